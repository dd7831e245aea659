#pragma once

#include <QPointer>

#include "pages/shell.h"

namespace accessibility {
class Announcer;
}
class QWidget;

// The program's own shell: a modal QMessageBox titled "Velmora", with one
// OK button and no icon, announcements for screen readers, and an end that
// quits the event loop.
class DesktopShell : public Shell {
 public:
  static inline const QString kApplicationTitle = QStringLiteral("Velmora");

  // The window the boxes are modal to, and whose screen reader hears the
  // announcements.
  void setWindow(QWidget* window);
  void show_message(const QString& text) override;
  void announce(const QString& text) override;
  void end_program() override;

 private:
  QPointer<QWidget> window_;
  QPointer<accessibility::Announcer> announcer_;
};
