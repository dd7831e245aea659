#include "app/session.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace session {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
bool isSet(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

bool onGnomeWayland() {
  const QByteArray desktops = qgetenv("XDG_CURRENT_DESKTOP").toLower();
  return desktops.split(':').contains("gnome") &&
         (isSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland");
}
#endif

// Qt 6.8's GNOME-style frame ("adwaita") draws the title in the desktop's
// title font, bold as GNOME's is, centred on the whole surface, shadows
// included: by its width in the application font the first time it draws
// it, in its own font after that. It clips the title only in the right
// shadow, under the close button, which takes the last 36 pixels inside the
// frame. A title that fits must end before the button and start after the
// frame's left edge, each with room to spare, wherever it is centred.
constexpr int kCloseButton = 36;
constexpr int kSpare = 6;

bool fitsFrame(const QString& title, const QMargins& frame, int width) {
  QFont drawn = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  drawn.setBold(true);
  // The frame's own choice where the desktop names no title font.
  QFont fallback(QStringLiteral("Cantarell"), 10);
  fallback.setBold(true);
  const double ink = std::max(QFontMetricsF(drawn).horizontalAdvance(title),
                              QFontMetricsF(fallback).horizontalAdvance(title));
  const double first = QFontMetricsF(QGuiApplication::font()).horizontalAdvance(title);
  const int surface = frame.left() + width + frame.right();
  for (const double centred : {first, ink}) {
    const int left = frame.left() + (surface - qRound(centred)) / 2;
    if (left < frame.left() + kSpare ||
        left + std::ceil(ink) > frame.left() + width - kCloseButton - kSpare) {
      return false;
    }
  }
  return true;
}

// Gives the window the shortened title once Qt has made its frame: on
// GNOME, only when the compositor has first answered, after the window is
// shown. Until then the frame's margins are empty, as they stay where the
// compositor draws the frame.
class TitleFitter : public QObject {
 public:
  explicit TitleFitter(QWidget* window) : QObject(window), window_(window) {
    window->windowHandle()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose && fit()) deleteLater();
    return false;
  }

 private:
  bool fit() {
    const QMargins frame = window_->windowHandle()->frameMargins();
    if (frame.top() == 0) return false;
    const QString title = window_->windowTitle();
    if (fitsFrame(title, frame, window_->width())) return true;
    window_->setAccessibleName(title);
    qsizetype n = title.size() - 1;
    while (n > 1 && !fitsFrame(title.left(n).trimmed() + QChar(0x2026), frame, window_->width())) {
      --n;
    }
    window_->setWindowTitle(title.left(n).trimmed() + QChar(0x2026));  // "…"
    window_->update();  // Qt draws its frame again with the window
    return true;
  }

  QWidget* window_;
};

}  // namespace

void prepare() {
  // Qt's own accessibility bridge serves this process; GTK's would add an
  // empty application named after the program.
  qputenv("NO_AT_BRIDGE", "1");
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  // A choice the user made stands. Without XWayland (no DISPLAY), Wayland it is.
  if (!isSet("QT_QPA_PLATFORM") && onGnomeWayland() && isSet("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  }
#endif
}

void fitTitle(QWidget* window) {
  if (QGuiApplication::platformName() == QLatin1String("wayland") && window->windowHandle()) {
    new TitleFitter(window);
  }
}

}  // namespace session
