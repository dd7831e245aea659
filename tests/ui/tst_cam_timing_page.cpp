#include "ui_support.h"

class TestCamTimingPage : public QObject {
  Q_OBJECT

 private slots:
  void placeholder() {}
};

VELMORA_UI_TEST_MAIN(TestCamTimingPage)
#include "tst_cam_timing_page.moc"
