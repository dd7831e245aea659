// Renders each page of the main window to a PNG, offscreen:
//   QT_QPA_PLATFORM=offscreen velmora-screenshot OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStyleFactory>
#include <cstdio>

#include "app/main_window.h"
#include "app/message_sink.h"
#include "app/tab_control.h"

namespace {
class NoMessages : public MessageSink {
 public:
  void show(const QString&, const QString&) override {}
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(dir);

  NoMessages messages;
  MainWindow window(messages, [] {});
  window.show();
  for (int page = 0; page < 3; ++page) {
    window.tabControl()->setCurrentIndex(page);
    QApplication::processEvents();
    const QString path = QStringLiteral("%1/page%2.png").arg(dir).arg(page);
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
