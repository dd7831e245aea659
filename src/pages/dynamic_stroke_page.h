#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class QPushButton;
class Shell;

// Page 0: dynamic stroke length and the piston's distance from bottom dead
// centre, from crank stroke, rod length and intake closing angle.
class DynamicStrokePage : public QWidget {
  Q_OBJECT

 public:
  explicit DynamicStrokePage(Shell& shell, QWidget* parent = nullptr);

  QLineEdit* crankStrokeField() const { return txt_Stroke; }
  QLineEdit* dynamicStrokeField() const { return Txt_DST; }
  // The page's tab stops, in order.
  QList<QWidget*> focusOrder() const;

 public slots:
  void Com_go_Click();
  void Com_clear_Click();
  void Com_exit_Click();

 private:
  Shell& shell_;
  QLineEdit* txt_Stroke;
  QLineEdit* txt_rod;
  QLineEdit* txt_IVA;
  QLineEdit* Txt_DST;
  QLineEdit* Txt_BDC;
  QPushButton* Com_go;
  QPushButton* Com_clear;
  QPushButton* Com_exit;
};
