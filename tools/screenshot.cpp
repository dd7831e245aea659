// Renders each page of the main window to a PNG, offscreen, set up as the
// program sets itself up:
//   QT_QPA_PLATFORM=offscreen velmora-screenshot OUTPUT_DIR          page0.png ... page2.png
//   QT_QPA_PLATFORM=offscreen velmora-screenshot --dark OUTPUT_DIR   page0-dark.png ...
// With --dark the desktop palette is a dark one and every page holds an
// example calculation, as a user of a dark theme sees it, the focus on the
// page's Calculate.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QThread>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "app/application.h"
#include "app/main_window.h"
#include "app/tab_control.h"
#include "pages/shell.h"

namespace {
class NoMessages : public Shell {
 public:
  void show_message(const QString&) override {}
  void announce(const QString&) override {}
  void end_program() override {}
};

// Close to GTK's dark Adwaita.
QPalette darkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(45, 45, 45), text(238, 238, 236), disabled(145, 145, 145);
  for (auto [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
           {QPalette::Window, window},
           {QPalette::WindowText, text},
           {QPalette::Base, base},
           {QPalette::AlternateBase, window},
           {QPalette::Text, text},
           {QPalette::Button, window},
           {QPalette::ButtonText, text},
           {QPalette::ToolTipBase, base},
           {QPalette::ToolTipText, text},
           {QPalette::PlaceholderText, disabled},
           {QPalette::Highlight, QColor(21, 83, 158)},
           {QPalette::HighlightedText, Qt::white},
           {QPalette::Light, QColor(80, 80, 80)},
           {QPalette::Midlight, QColor(66, 66, 66)},
           {QPalette::Mid, QColor(40, 40, 40)},
           {QPalette::Dark, QColor(27, 27, 27)},
           {QPalette::Shadow, Qt::black}}) {
    p.setColor(role, colour);
  }
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, disabled);
  }
  return p;
}

// The example of the README: cam timing first, then the stroke and the ratio.
void calculateExample(MainWindow& window) {
  auto type = [&](const char* name, const char* text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
  };
  auto click = [&](const char* name) {
    window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
  };
  type("txt_i_dur", "280");
  type("txt_e_dur", "288");
  type("txt_LSA", "110");
  type("txt_ILC", "106");
  click("Com_Go_2");
  type("txt_Stroke", "3.48");
  type("txt_rod", "5.7");
  click("Com_go");
  type("txt_bore", "4.03");
  type("txt_CCvol", "64");
  type("txt_gast", "0.039");
  type("txt_gasb", "4.1");
  type("txt_deck", "0.01");
  type("txt_pvol", "5");
  click("opt_FD");
  click("Chk_dst1");  // brings over the dynamic stroke length
  click("com_go3");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  application::setUp();
  QStringList args = QApplication::arguments().mid(1);
  const bool dark = args.removeAll(QStringLiteral("--dark")) > 0;
  const QString dir = args.isEmpty() ? QStringLiteral(".") : args.first();
  QDir().mkpath(dir);
  if (dark) QApplication::setPalette(darkPalette());

  NoMessages messages;
  MainWindow window(messages);
  window.show();
  // Active, as the user sees the window in front: the active colours, and the
  // focus frame on the tab in front.
  window.activateWindow();
  for (int i = 0; i < 500 && !window.isActiveWindow(); ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
  if (dark) calculateExample(window);
  for (int page = 0; page < 3; ++page) {
    window.tabControl()->setCurrentIndex(page);
    // After the example the focus is on the page's Calculate, off the tab
    // strip, shown as to a user of the keyboard.
    if (dark) {
      window.setAttribute(Qt::WA_KeyboardFocusChange);
      window.tabControl()->currentPage()->findChild<QPushButton*>()->setFocus();
    }
    QApplication::processEvents();
    const QString path =
        QStringLiteral("%1/page%2%3.png").arg(dir).arg(page).arg(dark ? "-dark" : "");
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
