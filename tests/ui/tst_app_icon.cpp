#include <QImage>
#include <algorithm>

#include "app/app_icon.h"
#include "ui_support.h"

// The window shows the application icon straight from the program's own
// resources, at the sizes a window manager draws in title bars and window
// lists, and no larger: every size is decoded and sent to the X server as the
// window first appears. Docks take the installed sizes by the desktop id.
class TestAppIcon : public QObject {
  Q_OBJECT

 private slots:
  void windowIconHasTheWindowManagerSizes() {
    WindowUnderTest w;
    const QIcon icon = w.window->windowIcon();
    QVERIFY(!icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}}));
    for (const QSize size : sizes) {
      // Drawn, not blank: the backdrop covers the middle of the square, and
      // its rounded corners leave the square's corners clear.
      const QImage image = icon.pixmap(size, 1.0).toImage();
      QCOMPARE(image.size(), size);
      QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
      QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
  }

  void desktopIdNamesTheInstalledFiles() {
    QCOMPARE(app_icon::desktopId(), "org.velmora.Velmora");
  }
};

VELMORA_UI_TEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"
