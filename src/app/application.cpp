#include "app/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyleFactory>
#include <QToolTip>

#include "app/app_icon.h"
#include "pages/layout.h"

namespace application {

void setUp() {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  // Desktops match the window to its .desktop entry, and so to its icon, by this id.
  QGuiApplication::setDesktopFileName(app_icon::desktopId());
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The window's font is the program's font: a field lays out its empty
  // text in the application font before it takes its own, so the desktop's
  // font would otherwise be loaded at start-up for nothing. The design fixes
  // the fonts of the window's controls only: tooltips, like message boxes,
  // keep the desktop's.
  QApplication::setFont(layout::windowFont());
  QToolTip::setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

}  // namespace application
