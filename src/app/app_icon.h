#pragma once

#include <QIcon>
#include <QString>

namespace app_icon {

// The id the desktop knows the program by: its .desktop entry, its icon and
// its AppStream metainfo are all named after it.
QString desktopId();

// The window icon, built into the program so the window shows it without any
// image plugin. It holds only the small sizes a window manager draws, 16 to
// 48 px: every size is decoded and sent to the X server as the window first
// appears. Docks and menus take the larger installed sizes through the
// desktop entry that desktopId() names.
QIcon icon();

}  // namespace app_icon
