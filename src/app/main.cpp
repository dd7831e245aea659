#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/accessibility.h"
#include "app/application.h"
#include "app/desktop_shell.h"
#include "app/main_window.h"
#include "app/session.h"

namespace {

// "DISPLAY=:99", the variables that tell Qt where to open the window.
std::string displaySettings() {
  std::string settings;
  for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') continue;
    if (!settings.empty()) settings += ' ';
    settings += std::string(name) + '=' + value;
  }
  return settings;
}

// Set when Qt looked for its Wayland plugin and found none.
bool waylandPluginMissing = false;

// While Qt opens the display, its warnings are held back, and its fatal
// error, when no display could be opened, becomes one line that says so
// instead of an abort with advice to reinstall.
void displayMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.startsWith(QLatin1String("Could not find the Qt platform plugin \"wayland\""))) {
    waylandPluginMissing = true;
  }
  if (type != QtFatalMsg) return;
  const std::string settings = displaySettings();
  if (settings.empty()) {
    std::fputs(
        "velmora: no display found; start it on a desktop, or under a virtual display "
        "with: xvfb-run -a velmora\n",
        stderr);
  } else if (waylandPluginMissing) {
    std::fprintf(stderr,
                 "velmora: cannot open a window on Wayland (%s): Qt's Wayland plugin is not "
                 "installed; install qt6-wayland, or start it under X11 with "
                 "QT_QPA_PLATFORM=xcb velmora\n",
                 settings.c_str());
  } else {
    std::fprintf(stderr,
                 "velmora: cannot open a window on the display (%s); is the display server "
                 "running, and may this user use it?\n",
                 settings.c_str());
  }
  std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  // The program takes no command-line options: Qt sees only its name.
  int qtArgc = 1;
  char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("velmora"), nullptr};
  session::prepare();
  const QtMessageHandler usual = qInstallMessageHandler(displayMessages);
  QApplication app(qtArgc, qtArgv);
  qInstallMessageHandler(usual);

  application::setUp();
  accessibility::install();

  DesktopShell shell;
  MainWindow window(shell);
  shell.setWindow(&window);
  window.show();
  session::fitTitle(&window);
  return QApplication::exec();
}
