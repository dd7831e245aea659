#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTimer>
#include <QToolTip>

#include "app/application.h"
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
  // As the program starts: the design's window font is the application's,
  // tooltips keep the desktop's.
  void initTestCase() {
    application::setUp();
    const QString desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QVERIFY(desktop != layout::windowFont().family());
    QCOMPARE(QToolTip::font().family(), desktop);
  }
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
    parent.setFont(layout::windowFont());
    parent.show();
    DesktopShell shell;
    shell.setWindow(&parent);

    QString title, text, shown, copied;
    QFont font;
    QList<QIcon> buttonIconsShown;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      font = box->font();
      for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
        buttonIconsShown << b->icon();
      // What the label shows, as a user would select it.
      auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      QVERIFY(label != nullptr);
      label->setSelection(0, static_cast<int>(label->text().size()));
      shown = label->selectedText();
      QVERIFY(QTest::qWaitForWindowActive(box));
      // As KDE's platform theme names the button.
      box->button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
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
    // The desktop's font: the design fixes the fonts of the window's controls only.
    QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
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
  // leaves a word alone and About stays two lines, and the text fits the box.
  void longTextsKeepTheirLines() {
    for (const std::string& text : {help::help_text(), help::about_text()}) {
      int height = 0, unwrapped = 0;
      bool inside = false;
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        label->setWordWrap(true);
        height = label->heightForWidth(label->width());
        unwrapped = label->heightForWidth(QWIDGETSIZE_MAX);
        inside = box->rect().contains(QRect(label->mapTo(box, QPoint(0, 0)), label->size()));
        box->accept();
      });
      DesktopShell().show_message(QString::fromStdString(text));
      QCOMPARE(height, unwrapped);
      QVERIFY(inside);
    }
  }

  // The screen reader's announcer is never seen: the click meant for About
  // reaches the menu bar.
  void announcerStaysHidden() {
    DesktopShell shell;
    MainWindow window(shell);
    shell.setWindow(&window);
    window.show();
    QMenuBar* bar = window.menuBar();
    const QRect about = bar->actionGeometry(window.findChild<QAction*>("Menu_about"));
    QCOMPARE(window.childAt(bar->mapTo(&window, about.center())), bar);
  }
};

VELMORA_UI_TEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
