#include "ui_support.h"

class TestCompressionPage : public QObject {
  Q_OBJECT

 private slots:
  void placeholder() {}
};

VELMORA_UI_TEST_MAIN(TestCompressionPage)
#include "tst_compression_page.moc"
