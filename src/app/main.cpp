#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/message_sink.h"
#include "pages/form.h"

namespace {

bool hasDisplay() {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!hasDisplay()) {
    std::fputs("velmora: no display found; start it on a desktop, or under a virtual display "
               "with: xvfb-run -a velmora\n",
               stderr);
    return 1;
  }
  // The program takes no command-line options: Qt sees only its name.
  int qtArgc = 1;
  char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("velmora"), nullptr};
  QApplication app(qtArgc, qtArgv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  // Desktops match the window to its .desktop entry, and so to its icon, by this id.
  QGuiApplication::setDesktopFileName(app_icon::desktopId());
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The window's font is the program's font: a field lays out its empty
  // text in the application font before it takes its own, so the desktop's
  // font would otherwise be loaded at start-up for nothing. Message boxes and
  // tooltips take it too, matching the window.
  QApplication::setFont(form::windowFont());

  MessageBoxSink messages;
  MainWindow window(messages);
  messages.setParentWindow(&window);
  window.show();
  return QApplication::exec();
}
