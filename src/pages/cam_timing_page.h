#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class QPushButton;
class Shell;

// Page 1: valve events, total cam advance and overlap from the advertised
// durations, lobe separation angle and intake lobe centreline.
class CamTimingPage : public QWidget {
  Q_OBJECT

 public:
  explicit CamTimingPage(Shell& shell, QWidget* parent = nullptr);

  // The page's tab stops, in order.
  QList<QWidget*> focusOrder() const;

 public slots:
  void Com_Go_2_Click();
  void Com_Clear_2_Click();
  void Com_exit_2_Click();

 private:
  Shell& shell_;

  QLineEdit* txt_i_dur;
  QLineEdit* txt_e_dur;
  QLineEdit* txt_LSA;
  QLineEdit* txt_ILC;

  QLineEdit* txt_ADV;
  QLineEdit* txt_I_Open;
  QLineEdit* txt_I_Close;
  QLineEdit* txt_E_Close;
  QLineEdit* txt_E_Open;
  QLineEdit* txt_overlap;

  QPushButton* Com_Go_2;
  QPushButton* Com_Clear_2;
  QPushButton* Com_exit_2;
};
