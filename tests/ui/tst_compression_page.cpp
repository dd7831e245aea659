#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "ui_support.h"

namespace {

const char* const kInputs[] = {"txt_cyl",  "txt_bore", "txt_stroke3", "txt_CCvol",
                               "txt_gast", "txt_gasb", "txt_deck",    "txt_pvol"};
const QString kStatic = QStringLiteral("Calculated Static Compression Ratio");
const QString kDynamic = QStringLiteral("Calculated Dynamic Compression Ratio");

}  // namespace

class TestCompressionPage : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;

  QCheckBox* checkBox() const { return w->find<QCheckBox>("Chk_dst1"); }
  QPoint onIndicator() const { return QPoint(6, checkBox()->height() / 2); }
  void clickCheckBox() const { QTest::mouseClick(checkBox(), Qt::LeftButton, {}, onIndicator()); }
  // Through the window, as the windowing system delivers a double click:
  // press, release, press, release, the second press also reported as a
  // double click.
  void doubleClickCheckBox() const {
    QTest::mouseDClick(w->window->windowHandle(), Qt::LeftButton, {},
                       checkBox()->mapTo(w->window.get(), onIndicator()));
  }
  void clickOption(const char* name) const {
    QTest::mouseClick(w->find<QRadioButton>(name), Qt::LeftButton, {}, QPoint(6, 8));
  }

  // The worked example: 8 cylinders, bore 4.030, stroke 3.480, chamber 64,
  // gasket 0.039 by 4.100, deck 0.010, piston 5.
  void fillExample() const {
    w->type("txt_cyl", "8");
    w->type("txt_bore", "4.030");
    w->type("txt_stroke3", "3.480");
    w->type("txt_CCvol", "64");
    w->type("txt_gast", "0.039");
    w->type("txt_gasb", "4.100");
    w->type("txt_deck", "0.010");
    w->type("txt_pvol", "5");
  }
  // Dynamic stroke page: stroke 3.48, rod 5.7, closing at 60 gives the
  // dynamic stroke length 2.81279161755714. Comes back to this page.
  void calculateDynamicStroke(const QString& stroke = QStringLiteral("3.48")) const {
    w->showPage(0);
    w->type("txt_Stroke", stroke);
    w->type("txt_rod", "5.7");
    w->type("txt_IVA", "60");
    w->click("Com_go");
    w->showPage(2);
  }
  QStringList results() const {
    return {w->text("txt_DispIN"), w->text("txt_DispCC"), w->text("txt_CR1"), w->text("txt_quench"),
            w->find<QLabel>("lab_CR1")->text()};
  }
  QStringList inputs() const {
    QStringList texts;
    for (const char* name : kInputs) texts << w->text(name);
    return texts;
  }

 private slots:
  void init() {
    w = std::make_unique<WindowUnderTest>();
    w->showPage(2);
  }
  void cleanup() { w.reset(); }

  void startState() {
    QCOMPARE(w->text("txt_cyl"), "8");
    for (const char* name : kInputs) {
      if (qstrcmp(name, "txt_cyl") != 0) QVERIFY2(w->text(name).isEmpty(), name);
    }
    QCOMPARE(results(), (QStringList{"", "", "", "", kStatic}));
    QVERIFY(!checkBox()->isChecked());
    QVERIFY(!w->find<QRadioButton>("opt_FD")->isChecked());
    QVERIFY(!w->find<QRadioButton>("opt_dome")->isChecked());
    QCOMPARE(checkBox()->toolTip(), "Double click to update");
    QCOMPARE(w->find("txt_stroke3")->toolTip(),
             "Check box for Dynamic Stroke, Un-check for crank stroke double click to update");
    QCOMPARE(w->find("txt_pvol")->toolTip(),
             "Always use a positive number and select the proper piston type");
    QCOMPARE(w->find("txt_CR1")->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(w->find("txt_CR1")->font().pointSizeF(), 9.6);
    QCOMPARE(w->find("txt_bore")->font().pointSizeF(), 7.8);
    QVERIFY(w->find("txt_bore")->font().bold());
    QCOMPARE(checkBox()->font(), layout::windowFont());
    for (const char* name : {"txt_quench", "txt_DispIN", "txt_DispCC", "txt_CR1"}) {
      QVERIFY2(w->find(name)->isReadOnly(), name);
      QVERIFY2(!(w->find(name)->focusPolicy() & Qt::TabFocus), name);
    }
    for (const char* name : {"lab_credit7", "lab_credit8", "lab_credit10"}) {
      QLabel* credit = w->find<QLabel>(name);
      QVERIFY2(!credit->text().isEmpty(), name);
      QCOMPARE(credit->font(), layout::windowFont());
    }
  }

  void calculates_data() {
    QTest::addColumn<QString>("cylinders");
    QTest::addColumn<QString>("bore");
    QTest::addColumn<QString>("deck");
    QTest::addColumn<QString>("piston");
    QTest::addColumn<bool>("dome");
    QTest::addColumn<QStringList>("shown");
    const QString in = "355.115153208698";
    // From the displayed cubic inches; the unrounded product gives ...201.
    const QString litres = "5.81929474345202";
    QTest::newRow("flat") << "8"
                          << "4.030"
                          << "0.010"
                          << "5" << false
                          << QStringList{in, litres, "10.1466188306203", "0.049", kStatic};
    QTest::newRow("dome") << "8"
                          << "4.030"
                          << "0.010"
                          << "5" << true
                          << QStringList{in, litres, "11.4621500467173", "0.049", kStatic};
  }
  void calculates() {
    QFETCH(QString, cylinders);
    QFETCH(QString, bore);
    QFETCH(QString, deck);
    QFETCH(QString, piston);
    QFETCH(bool, dome);
    fillExample();
    w->type("txt_cyl", cylinders);
    w->type("txt_bore", bore);
    w->type("txt_deck", deck);
    w->type("txt_pvol", piston);
    if (dome) clickOption("opt_dome");
    w->click("com_go3");
    QVERIFY(w->messages.texts.isEmpty());
    QFETCH(QStringList, shown);
    QCOMPARE(results(), shown);
    QCOMPARE(w->messages.spoken,
             QStringList{QStringLiteral("Quench Distance %1, Displacement in cubic inches %2, "
                                        "Displacement in liters %3, %4 %5")
                             .arg(shown[3], shown[0], shown[1], shown[4], shown[2])});
    // Fifteen digits do not fit the narrow fields: each shows its start.
    for (const char* name : {"txt_DispIN", "txt_DispCC", "txt_CR1", "txt_quench"}) {
      QCOMPARE(w->find(name)->cursorPosition(), 0);
    }
  }

  void optionButtonsAreExclusiveAndRunNothing() {
    fillExample();
    clickOption("opt_dome");
    clickOption("opt_FD");
    QVERIFY(w->find<QRadioButton>("opt_FD")->isChecked());
    QVERIFY(!w->find<QRadioButton>("opt_dome")->isChecked());
    QCOMPARE(results(), (QStringList{"", "", "", "", kStatic}));
    w->click("com_go3");
    QCOMPARE(w->text("txt_CR1"), "10.1466188306203");
  }

  void checkBoxCopiesTheStroke() {
    // Not yet calculated there: checking copies the empty text, and
    // Calculate then asks for every input.
    fillExample();
    clickCheckBox();
    QVERIFY(checkBox()->isChecked());
    QVERIFY(w->text("txt_stroke3").isEmpty());
    QCOMPARE(w->messages.spoken, QStringList{"Stroke blank"});
    w->click("com_go3");
    QCOMPARE(w->messages.texts, QStringList{"All input boxes must be filled"});
    clickCheckBox();
    QVERIFY(!checkBox()->isChecked());

    calculateDynamicStroke();
    w->type("txt_stroke3", "typed");
    // Two clicks on the unchecked box bring over the crank stroke...
    clickCheckBox();
    QCOMPARE(w->text("txt_stroke3"), "2.81279161755714");
    clickCheckBox();
    QVERIFY(!checkBox()->isChecked());
    QCOMPARE(w->text("txt_stroke3"), "3.48");
    // ...and one more the dynamic stroke length, as displayed.
    clickCheckBox();
    QVERIFY(checkBox()->isChecked());
    QCOMPARE(w->text("txt_stroke3"), "2.81279161755714");
    QCOMPARE(w->find("txt_stroke3")->cursorPosition(), 0);
    QCOMPARE(w->messages.spoken.last(), "Stroke 2.81279161755714");
    // Space toggles and copies just as a click does.
    QTest::keyClick(checkBox(), Qt::Key_Space);
    QVERIFY(!checkBox()->isChecked());
    QCOMPARE(w->text("txt_stroke3"), "3.48");
    // The copy is character for character, never parsed.
    calculateDynamicStroke(" 3.48 in");
    clickCheckBox();
    clickCheckBox();
    QCOMPARE(w->text("txt_stroke3"), " 3.48 in");
  }

  void doubleClickRefreshesTheCopy() {
    calculateDynamicStroke();
    clickCheckBox();
    QCOMPARE(w->text("txt_stroke3"), "2.81279161755714");
    calculateDynamicStroke("4");
    const QString newLength = w->text("Txt_DST");
    QVERIFY(newLength != "2.81279161755714");
    // Two toggles: the box stays checked and copies afresh.
    doubleClickCheckBox();
    QVERIFY(checkBox()->isChecked());
    QCOMPARE(w->text("txt_stroke3"), newLength);
    // Unchecked it refreshes the crank stroke the same way.
    clickCheckBox();
    w->type("txt_stroke3", "typed");
    doubleClickCheckBox();
    QVERIFY(!checkBox()->isChecked());
    QCOMPARE(w->text("txt_stroke3"), "4");
  }

  void labelChangesOnlyOnCalculate() {
    calculateDynamicStroke();
    fillExample();
    clickCheckBox();
    QCOMPARE(w->find<QLabel>("lab_CR1")->text(), kStatic);
    w->click("com_go3");
    QCOMPARE(w->find<QLabel>("lab_CR1")->text(), kDynamic);
    clickCheckBox();
    QCOMPARE(w->find<QLabel>("lab_CR1")->text(), kDynamic);
    w->click("com_go3");
    QCOMPARE(w->find<QLabel>("lab_CR1")->text(), kStatic);
    // The caption follows the box, not what is typed into the stroke field.
    clickCheckBox();
    w->type("txt_stroke3", "3.48");
    w->click("com_go3");
    QCOMPARE(w->find<QLabel>("lab_CR1")->text(), kDynamic);
    QCOMPARE(w->text("txt_CR1"), "10.1466188306203");
    // The self-sizing label shows its whole caption.
    QLabel* label = w->find<QLabel>("lab_CR1");
    QVERIFY(label->width() >= label->sizeHint().width());
  }

  void emptyInputChangesNothing_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : kInputs) QTest::newRow(name) << name;
  }
  void emptyInputChangesNothing() {
    // Results and the Dynamic caption of an earlier Calculate; the box is
    // cleared since, so a written caption would read Static.
    calculateDynamicStroke();
    fillExample();
    clickCheckBox();
    w->click("com_go3");
    clickCheckBox();
    QFETCH(QString, field);
    w->type(field.toLatin1().constData(), "");
    const QStringList shownBefore = results();
    const QStringList typedBefore = inputs();
    w->click("com_go3");
    QCOMPARE(w->messages.texts, QStringList{"All input boxes must be filled"});
    QCOMPARE(results(), shownBefore);
    QCOMPARE(results().last(), kDynamic);
    QCOMPARE(inputs(), typedBefore);
  }

  void clearEmptiesTheInputsOnly() {
    fillExample();
    clickOption("opt_dome");
    w->click("com_go3");
    const QStringList shown = results();
    w->click("com_clear3");
    for (const char* name : kInputs) QVERIFY2(w->text(name).isEmpty(), name);
    QCOMPARE(results(), shown);
    QVERIFY(w->find<QRadioButton>("opt_dome")->isChecked());
    QVERIFY(w->messages.texts.isEmpty());
  }

  void noClearanceKeepsTheRatio_data() {
    QTest::addColumn<QStringList>("zeroes");
    QTest::addColumn<QString>("piston");
    QTest::addColumn<bool>("dome");
    QTest::newRow("zero") << QStringList{"txt_CCvol", "txt_gast", "txt_deck"} << "0" << false;
    QTest::newRow("a dome larger than the space above the piston")
        << QStringList{} << "200" << true;
  }
  void noClearanceKeepsTheRatio() {
    calculateDynamicStroke();
    fillExample();
    clickCheckBox();
    w->click("com_go3");
    QCOMPARE(results(), (QStringList{"287.030151210616", "4.7035814581828", "8.39296918843655",
                                     "0.049", kDynamic}));
    clickCheckBox();  // back to the crank stroke, 3.48
    QFETCH(QStringList, zeroes);
    QFETCH(QString, piston);
    QFETCH(bool, dome);
    for (const QString& name : zeroes) w->type(name.toLatin1().constData(), "0");
    w->type("txt_pvol", piston);
    if (dome) clickOption("opt_dome");
    w->click("com_go3");
    QCOMPARE(w->messages.texts, QStringList{QString::fromLatin1(core::kZeroClearance)});
    // The displacement was written before the ratio failed; the rest stays.
    QCOMPARE(results(), (QStringList{"355.115153208698", "5.81929474345202", "8.39296918843655",
                                     "0.049", kDynamic}));
  }

  // Cam timing hands the closing angle to the dynamic stroke page, whose
  // dynamic stroke length the check box brings here.
  void wholeChain() {
    w->showPage(1);
    w->type("txt_i_dur", "270");
    w->type("txt_e_dur", "280");
    w->type("txt_LSA", "110");
    w->type("txt_ILC", "105");
    w->click("Com_Go_2");
    w->showPage(0);
    QCOMPARE(w->text("txt_IVA"), "60");
    w->type("txt_Stroke", "3.480");
    w->type("txt_rod", "5.7");
    w->click("Com_go");
    w->showPage(2);
    w->type("txt_bore", "4.030");
    clickCheckBox();
    clickCheckBox();
    w->type("txt_CCvol", "64");
    w->type("txt_gast", "0.039");
    w->type("txt_gasb", "4.100");
    w->type("txt_deck", "0.010");
    w->type("txt_pvol", "5");
    clickOption("opt_FD");
    w->click("com_go3");
    QCOMPARE(results(), (QStringList{"355.115153208698", "5.81929474345202", "10.1466188306203",
                                     "0.049", kStatic}));
    clickCheckBox();
    w->click("com_go3");
    QCOMPARE(results(), (QStringList{"287.030151210616", "4.7035814581828", "8.39296918843655",
                                     "0.049", kDynamic}));
    QVERIFY(w->messages.texts.isEmpty());
    QVERIFY(w->messages.spoken.last().endsWith(", " + kDynamic + " 8.39296918843655"));
  }

  void exitEndsTheProgram() {
    w->click("com_exit_3");
    QCOMPARE(w->messages.endRequests, 1);
  }

  void tabVisitsBothOptionButtons() {
    const QStringList order{"txt_cyl",  "txt_bore", "Chk_dst1",   "txt_stroke3", "txt_CCvol",
                            "txt_gast", "txt_gasb", "txt_deck",   "opt_FD",      "opt_dome",
                            "txt_pvol", "com_go3",  "com_clear3", "com_exit_3",  "txt_ICA_a"};
    auto walk = [&](Qt::Key key, const char* from) {
      w->find<QWidget>(from)->setFocus();
      QStringList visited{QApplication::focusWidget()->objectName()};
      for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << QApplication::focusWidget()->objectName();
      }
      return visited;
    };
    QCOMPARE(walk(Qt::Key_Tab, "txt_cyl"), order);
    // Once a piston type is chosen too, and backwards.
    clickOption("opt_dome");
    QCOMPARE(walk(Qt::Key_Tab, "txt_cyl"), order);
    QStringList reversed(order.rbegin(), order.rend());
    QCOMPARE(walk(Qt::Key_Backtab, "txt_ICA_a"), reversed);
  }

  void grownControlsKeepTheirPlace() {
    // The check box is taller than designed, so its box is not clipped; it
    // stays centred on the designed line, clear of the next row.
    const QRect box = w->boxInTabControl("Chk_dst1");
    const QRect designed = pixelsFromTwips(rowOf("Chk_dst1").box);
    QVERIFY(box.height() >= checkBox()->sizeHint().height());
    QVERIFY(qAbs((box.top() + box.bottom()) - (designed.top() + designed.bottom())) <= 1);
    QVERIFY(box.bottom() < w->boxInTabControl("txt_CCvol").top());
    // The wrapping credit grows downwards only.
    QVERIFY(w->boxInTabControl("lab_credit8").height() >=
            pixelsFromTwips(rowOf("lab_credit8").box).height());
  }
};

VELMORA_UI_TEST_MAIN(TestCompressionPage)
#include "tst_compression_page.moc"
