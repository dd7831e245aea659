#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "ui_support.h"

// The one real modal box of the program: what the user sees in it.
class TestMessageBox : public QObject {
  Q_OBJECT

 private slots:
  void showsTitleTextAndOneOkButton() {
    QWidget parent;
    parent.show();
    MessageBoxSink sink;
    sink.setParentWindow(&parent);

    QString title, text, copied;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = static_cast<int>(box->buttons().size());
      QVERIFY(QTest::qWaitForWindowActive(box));
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
      copied = QGuiApplication::clipboard()->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    sink.show("Velmora", "first line\rsecond <b>line</b>");

    QCOMPARE(title, "Velmora");
    // A carriage return is a line break; markup is shown as typed.
    QCOMPARE(text, "first line\nsecond <b>line</b>");
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY2(copied.contains("Velmora\n") && copied.contains("first line\nsecond <b>line</b>\n"),
             qPrintable(copied));
  }
};

VELMORA_UI_TEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
