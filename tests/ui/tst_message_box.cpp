#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTimer>

#include "app/desktop_shell.h"
#include "help/help_texts.h"
#include "ui_support.h"

namespace {

// KDE's and GNOME's platform themes put icons on dialog buttons.
class ButtonIconStyle : public QProxyStyle {
 public:
  ButtonIconStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

// The one real modal box of the program: what the user sees in it.
class TestMessageBox : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

  void showsTitleTextAndOneOkButton_data() {
    QTest::addColumn<bool>("buttonIcons");
    QTest::newRow("Fusion") << false;
    QTest::newRow("style with icons on dialog buttons") << true;
  }
  void showsTitleTextAndOneOkButton() {
    QFETCH(bool, buttonIcons);
    if (buttonIcons) QApplication::setStyle(new ButtonIconStyle);
    QWidget parent;
    parent.show();
    DesktopShell shell;
    shell.setWindow(&parent);

    QString title, text, shown, copied;
    QList<QIcon> buttonIconsShown;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
        buttonIconsShown << b->icon();
      // What the label shows, as a user would select it.
      auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      QVERIFY(label != nullptr);
      label->setSelection(0, static_cast<int>(label->text().size()));
      shown = label->selectedText();
      QVERIFY(QTest::qWaitForWindowActive(box));
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
      copied = QGuiApplication::clipboard()->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    // Qt guesses rich text from the first line only, so the markup stands there.
    shell.show_message("first <b>line</b>\rsecond line");

    QCOMPARE(title, "Velmora");
    // A carriage return is a line break; markup is shown as typed.
    QCOMPARE(text, "first <b>line</b>\nsecond line");
    QCOMPARE(shown,
             QStringLiteral("first <b>line</b>") + QChar::ParagraphSeparator + "second line");
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttonIconsShown.size(), 1);
    QVERIFY(buttonIconsShown.first().isNull());
    // Ctrl+C copies the box as Qt lays it out on Windows.
    QCOMPARE(copied,
             "---------------------------\n"
             "Velmora\n"
             "---------------------------\n"
             "first <b>line</b>\n"
             "second line\n"
             "---------------------------\n"
             "OK\n"
             "---------------------------\n");
  }

  // Help and About, in the desktop's font: no line of theirs wraps, so none
  // leaves a word alone and About stays two lines.
  void longTextsKeepTheirLines() {
    for (const std::string& text : {help::help_text(), help::about_text()}) {
      QStringList wrapped;
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        for (const QString& line : label->text().split(QLatin1Char('\n'))) {
          if (label->fontMetrics().horizontalAdvance(line) > label->width()) wrapped << line;
        }
        box->accept();
      });
      DesktopShell().show_message(QString::fromStdString(text));
      QVERIFY2(wrapped.isEmpty(), qPrintable(wrapped.join(QLatin1Char('|'))));
    }
  }
};

VELMORA_UI_TEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
