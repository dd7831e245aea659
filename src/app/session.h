#pragma once

class QWidget;

// What the program adapts to the desktop session it starts in. On X11, and
// on Wayland compositors that draw the window's frame themselves (KDE,
// sway), none of it changes anything. GNOME draws no frame for a Wayland
// client, so Qt draws one of its own there; these make up for how that
// frame goes wrong.
namespace session {

// Before the application exists: on GNOME's Wayland session, a Qt older
// than 6.8 draws a frame that clips the title at both ends, offers
// minimise and maximise on a fixed-size window, and opens message boxes
// beside the window; there the window opens through XWayland, in GNOME's
// own frame. Also keeps GTK, loaded by the desktop's platform theme, from
// putting an empty second application of this process on the
// accessibility bus.
void prepare();

// Once the window is shown: where Qt draws the frame on Wayland, gives it,
// as soon as the frame is there, the title shortened with an ellipsis so
// that it ends before the close button. The window's accessible name stays
// the whole title.
void fitTitle(QWidget* window);

}  // namespace session
