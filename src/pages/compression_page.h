#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
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

 private:
  Shell& shell_;
  const QLineEdit* crankStroke_;
  const QLineEdit* dynamicStroke_;
};
