#pragma once

#include <QIcon>
#include <QString>
#include <cstdint>
#include <span>

namespace app_icon {

// The id the desktop knows the program by: its .desktop entry, its icon and
// its AppStream metainfo are all named after it.
QString desktopId();

// The window icon, built into the program as pixels, so the window shows it
// without decoding an image or looking for an image plugin. It holds only
// the small sizes a window manager draws, 16 to 48 px: every size is sent to
// the X server as the window first appears. Docks and menus take the larger
// installed sizes through the desktop entry that desktopId() names.
QIcon icon();

// One size of the window icon: ARGB32 pixels, row by row. The build makes
// them from the rendered PNGs (tools/icon_pixels.cpp).
struct Pixels {
  int size;
  const std::uint32_t* argb;
};
extern const std::span<const Pixels> kWindowIcon;

}  // namespace app_icon
