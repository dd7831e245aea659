#include <QLabel>
#include <QMenuBar>

#include "help/help_texts.h"
#include "pages/names.h"
#include "ui_support.h"

class TestMainWindow : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;

 private slots:
  void init() { w = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w.reset(); }

  void windowFollowsTheDesign() {
    QCOMPARE(w->window->objectName(), "frm_DST_TIM");
    QCOMPARE(w->window->windowTitle(),
             "Dynamic Stroke Length, Cam Timing, & Compression Ratio Calculator");
    // Client area 6924 x 7824 twips below the menu bar.
    QCOMPARE(w->window->centralWidget()->size(), QSize(462, 522));
    QCOMPARE(w->window->centralWidget()->y(), w->window->menuBar()->height());
    QCOMPARE(w->window->minimumSize(), w->window->maximumSize());
    QCOMPARE(w->find<QWidget>("tab_Dst")->geometry(), QRect(1, 21, 461, 500));
  }

  void tabsShareTheStripEqually() {
    QTabBar* bar = w->window->tabControl()->tabBar();
    QCOMPARE(bar->count(), 3);
    QCOMPARE(bar->tabText(0), "Dynamic Stroke Length Calculator");
    QCOMPARE(bar->tabText(1), "Cam Timing and Overlap Calculator");
    QCOMPARE(bar->tabText(2), "Compression Ratio Calculator");
    // Thirds of 461 px, each edge rounded on its own.
    const int widths[] = {154, 153, 154};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(bar->tabRect(i).height(), 40);
      QCOMPARE(bar->tabRect(i).width(), widths[i]);
    }
    QCOMPARE(bar->tabRect(2).right(), 460);

    // The pages lie inside the tab control, and the frame drawn around them
    // closes on its last rows instead of being cut off or hidden by a page.
    TabControl* tabs = w->window->tabControl();
    QWidget* page = tabs->currentPage();
    const QRect pageBox(page->mapTo(tabs, QPoint(0, 0)), page->size());
    QVERIFY(tabs->rect().contains(pageBox));
    const QImage shot = tabs->grab().toImage();
    // Below the credit lines the page is empty.
    const QColor inside = shot.pixelColor(pageBox.center().x(), pageBox.bottom() - 5);
    bool closed = false;
    for (int y = shot.height() - 3; y < shot.height(); ++y) {
      int line = 0;
      for (int x = 0; x < shot.width(); ++x) line += shot.pixelColor(x, y) != inside;
      closed = closed || line > shot.width() * 9 / 10;
    }
    QVERIFY(closed);
    // Inside the frame, on the page and behind its captions, the button
    // face; no frame line runs between the tab in front and its page.
    const QColor buttonFace = tabs->palette().color(QPalette::Button);
    QCOMPARE(inside, buttonFace);
    QLabel* caption = w->find<QLabel>("Lab_Inputs");
    QCOMPARE(QColor(mostCommon(
                 colourCounts(shot, QRect(caption->mapTo(tabs, QPoint(0, 0)), caption->size())))),
             buttonFace);
    bool lineUnderTheOthers = false;
    for (int y = bar->height() - 3; y < pageBox.top() + 3; ++y) {
      QVERIFY(qGray(shot.pixel(bar->tabRect(0).center().x(), y)) >= qGray(buttonFace.rgb()));
      lineUnderTheOthers |= qGray(shot.pixel(bar->tabRect(1).center().x(), y)) < 200;
    }
    QVERIFY(lineUnderTheOthers);
  }

  // Each row of each table is one control of the window, named uniquely
  // across it, in its box: whole, or where a caption or the check box sizes
  // itself, the edges it keeps.
  void everyRowIsOneControlInItsBox() {
    QStringList names;
    for (int surface : kSurfaces) {
      for (const design::Control& c : tableOf(surface)) {
        const QString name = nameOf(c);
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
        const QList<QWidget*> found = w->window->findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        using enum design::Kind;
        const QRect want = pixelsFromTwips(c.box);
        const QRect got = surface < 0 ? found[0]->geometry() : w->boxInTabControl(found[0]);
        const bool sized = c.kind == Label || c.kind == CentredLabel;
        const bool grown = c.kind == GrowingLabel || c.kind == CheckBox;
        QVERIFY2((c.kind == CentredLabel || got.left() == want.left()) &&
                     (c.kind == CheckBox || got.top() == want.top()) &&
                     (sized || got.width() == want.width()) &&
                     (sized || grown || got.height() == want.height()),
                 qPrintable(name));
      }
    }
  }

  // Every name that the tables and the commands use names a control of the
  // window; one that does not is reported with what uses it.
  void everyNameResolves_data() {
    QTest::addColumn<QString>("renamed");
    QTest::addColumn<QString>("reported");
    // clang-format off
    QTest::newRow("none") << "" << "";
    QTest::newRow("written from another page") << "txt_IVA" << "txt_IVA (written by Com_Go_2)";
    QTest::newRow("a label written") << "lab_CR1" << "lab_CR1 (written by com_go3)";
    QTest::newRow("a check box read") << "Chk_dst1" << "Chk_dst1 (read by com_go3)";
    QTest::newRow("read out") << "Txt_BDC" << "Txt_BDC (read out after Com_go)";
    QTest::newRow("cleared") << "txt_pvol" << "txt_pvol (cleared by com_clear3)";
    QTest::newRow("named by a caption") << "Txt_AID_a" << "Txt_AID_a (named by Lab_int_adv_dur)";
    // clang-format on
  }
  void everyNameResolves() {
    QFETCH(QString, renamed);
    QFETCH(QString, reported);
    if (!renamed.isEmpty()) w->find<QWidget>(qPrintable(renamed))->setObjectName("renamed");
    const design::Page* const pages[] = {&design::kDynamicStrokePage, &design::kCamTimingPage,
                                         &design::kCompressionPage};
    const QStringList missing = names::unresolved(w->window.get(), pages, design::kStrip);
    QCOMPARE(missing.contains(reported), !renamed.isEmpty());
    QCOMPARE(missing.isEmpty(), renamed.isEmpty());
  }

  void menuCommandsShowTheirTexts() {
    QAction* about = w->window->findChild<QAction*>("Menu_about");
    QAction* helpAction = w->window->findChild<QAction*>("Menu_Help");
    QVERIFY(about && helpAction);
    QCOMPARE(about->text(), "&About");
    QCOMPARE(helpAction->text(), "&Help");
    QVERIFY(about->menu() == nullptr && helpAction->menu() == nullptr);

    // Clicked on the bar itself: no submenu opens, the command runs.
    QMenuBar* bar = w->window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(helpAction).center());
    QCOMPARE(w->messages.texts, (QStringList{QString::fromStdString(help::about_text()),
                                             QString::fromStdString(help::help_text())}));
  }

  void altKeysRunTheMenuCommands() {
    // Even while the user is typing in a field.
    QLineEdit* stroke = w->find("txt_Stroke");
    stroke->setFocus();
    QTest::keyClick(stroke, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(stroke, Qt::Key_H, Qt::AltModifier);
    QVERIFY(stroke->text().isEmpty());
    QCOMPARE(w->messages.texts.size(), 2);
    QCOMPARE(w->messages.texts[0], QString::fromStdString(help::about_text()));
    QCOMPARE(w->messages.texts[1], QString::fromStdString(help::help_text()));
  }

  // Help and About read and change nothing, whichever page is in front.
  void menuBoxesChangeNothing() {
    auto snapshot = [this] {
      QStringList state;
      for (QLineEdit* e : w->window->findChildren<QLineEdit*>())
        state << e->objectName() + "=" + e->text();
      for (QLabel* l : w->window->findChildren<QLabel*>())
        state << l->objectName() + "=" + l->text();
      state << QString::number(w->window->tabControl()->currentIndex());
      return state;
    };
    w->type("txt_Stroke", "3.48");
    w->type("txt_rod", "5.7");
    w->type("txt_IVA", "60");
    w->click("Com_go");
    for (int page = 0; page < 3; ++page) {
      w->showPage(page);
      const QStringList before = snapshot();
      QTest::keyClick(w->window.get(), Qt::Key_H, Qt::AltModifier);
      QTest::keyClick(w->window.get(), Qt::Key_A, Qt::AltModifier);
      QCOMPARE(snapshot(), before);
    }
    QCOMPARE(w->messages.texts.size(), 6);
  }

  void switchingPagesKeepsTextAndRunsNothing() {
    w->type("txt_Stroke", "3.48");
    w->showPage(1);
    w->showPage(2);
    w->showPage(0);
    QCOMPARE(w->text("txt_Stroke"), "3.48");
    QVERIFY(w->text("Txt_DST").isEmpty());
    QVERIFY(w->messages.texts.isEmpty());
  }

  void stripStaysVisibleOnEveryPage() {
    for (int page = 0; page < 3; ++page) {
      w->showPage(page);
      for (const char* name : {"Lab_int_adv_dur", "Txt_AID_a", "Lab_int_closing", "txt_ICA_a"}) {
        QVERIFY2(w->find<QWidget>(name)->isVisible(), name);
      }
    }
  }
};

VELMORA_UI_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
