#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Shell;

// Page 2: displacement, quench distance and the static or dynamic
// compression ratio.
class CompressionPage : public QWidget {
  Q_OBJECT

 public:
  // crankStroke and dynamicStroke: page 0's txt_Stroke and Txt_DST, the two
  // sources the check box copies from.
  CompressionPage(Shell& shell, const QLineEdit* crankStroke, const QLineEdit* dynamicStroke,
                  QWidget* parent = nullptr);

  // The page's tab stops, in order.
  QList<QWidget*> focusOrder() const;

 public slots:
  void com_go3_Click();
  void com_clear3_Click();
  void com_exit_3_Click();
  // Runs after each toggle of the check box by the user (a click, or Space).
  void Chk_dst1_Click();

 private:
  Shell& shell_;
  const QLineEdit* crankStroke_;
  const QLineEdit* dynamicStroke_;

  QLineEdit* txt_cyl;
  QLineEdit* txt_bore;
  QLineEdit* txt_stroke3;
  QLineEdit* txt_CCvol;
  QLineEdit* txt_gast;
  QLineEdit* txt_gasb;
  QLineEdit* txt_deck;
  QLineEdit* txt_pvol;
  QCheckBox* Chk_dst1;
  QRadioButton* opt_FD;
  QRadioButton* opt_dome;
  QLineEdit* txt_quench;
  QLineEdit* txt_DispIN;
  QLineEdit* txt_DispCC;
  QLabel* lab_CR1;
  QLineEdit* txt_CR1;
  QPushButton* com_go3;
  QPushButton* com_clear3;
  QPushButton* com_exit_3;
};
