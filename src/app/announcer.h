#pragma once

#include <QWidget>

// Has a screen reader speak a message while the focus stays where it is and
// nothing changes on the screen: an empty widget that is never shown.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);
  void say(const QString& text);

 private:
  QWidget* message_ = nullptr;  // before Qt 6.8: what the screen reader reads
};
