#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class Shell;

// Page 1: valve events, total cam advance and overlap from the advertised
// durations, lobe separation angle and intake lobe centreline.
class CamTimingPage : public QWidget {
  Q_OBJECT

 public:
  // closingAngleTarget: page 0's txt_IVA, which receives the intake closing
  // angle; durationInUse: the strip's Txt_AID_a, which receives the intake
  // duration as typed.
  CamTimingPage(Shell& shell, QLineEdit* closingAngleTarget, QLineEdit* durationInUse,
                QWidget* parent = nullptr);

  // The page's tab stops, in order.
  QList<QWidget*> focusOrder() const;

 private:
  Shell& shell_;
  QLineEdit* closingAngleTarget_;
  QLineEdit* durationInUse_;
};
