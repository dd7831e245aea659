#include <QImage>

#include "app/app_icon.h"
#include "ui_support.h"

// The window shows the application icon that the desktop installs, at every
// installed size, straight from the program's own resources.
class TestAppIcon : public QObject {
  Q_OBJECT

 private slots:
  void windowIconHasEveryInstalledSize() {
    WindowUnderTest w;
    const QIcon icon = w.window->windowIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
      QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
      // Drawn, not blank: the backdrop covers the middle of the square.
      const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
      QCOMPARE(image.size(), QSize(size, size));
      QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
  }

  void desktopIdNamesTheInstalledFiles() {
    QCOMPARE(app_icon::desktopId(), "org.velmora.Velmora");
  }
};

VELMORA_UI_TEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"
