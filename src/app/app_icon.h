#pragma once

#include <QIcon>
#include <QString>

namespace app_icon {

// The id the desktop knows the program by: its .desktop entry, its icon and
// its AppStream metainfo are all named after it.
QString desktopId();

// The application icon, built into the program at every size the desktop
// installs, so the window shows it without any image plugin.
QIcon icon();

}  // namespace app_icon
