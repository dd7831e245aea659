#include <QClipboard>
#include <QGuiApplication>

#include "ui_support.h"

class TestDynamicStrokePage : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;

  void fill(const QString& stroke, const QString& rod, const QString& angle) {
    w->type("txt_Stroke", stroke);
    w->type("txt_rod", rod);
    w->type("txt_IVA", angle);
  }
  QStringList pageFields() const {
    return {w->text("txt_Stroke"), w->text("txt_rod"), w->text("txt_IVA"),
            w->text("Txt_DST"),    w->text("Txt_BDC"), w->text("txt_ICA_a")};
  }

 private slots:
  void init() { w = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w.reset(); }

  void calculates_data() {
    QTest::addColumn<QString>("stroke");
    QTest::addColumn<QString>("rod");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("dst");
    QTest::addColumn<QString>("bdc");
    QTest::newRow("60 deg") << "3.48"
                            << "5.7"
                            << "60"
                            << "2.81279161755714"
                            << "0.66720838244286";
    QTest::newRow("60.0 as typed") << "3.48"
                                   << "5.7"
                                   << "60.0"
                                   << "2.81279161755714"
                                   << "0.66720838244286";
    QTest::newRow("units after numbers") << "3.48 in"
                                         << "5.7in"
                                         << " 60 "
                                         << "2.81279161755714"
                                         << "0.66720838244286";
  }
  void calculates() {
    QFETCH(QString, stroke);
    QFETCH(QString, rod);
    QFETCH(QString, angle);
    fill(stroke, rod, angle);
    w->click("Com_go");
    QVERIFY(w->messages.texts.isEmpty());
    QFETCH(QString, dst);
    QFETCH(QString, bdc);
    QCOMPARE(w->text("Txt_DST"), dst);
    QCOMPARE(w->text("Txt_BDC"), bdc);
    // A long number shows its first digits, not its tail.
    QCOMPARE(w->find("Txt_DST")->cursorPosition(), 0);
    // The angle used is copied as typed, not as a number.
    QCOMPARE(w->text("txt_ICA_a"), angle);
    QCOMPARE(w->text("txt_IVA"), angle);
  }

  void refusesWithoutWriting_data() {
    QTest::addColumn<QString>("stroke");
    QTest::addColumn<QString>("rod");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("All input boxes must be filled");
    const QString range =
        QStringLiteral("Intake Valve Closing Angle must be between 23  and 89 degrees");
    QTest::newRow("empty stroke") << ""
                                  << "5.7"
                                  << "60" << empty;
    QTest::newRow("empty rod") << "3.48"
                               << ""
                               << "60" << empty;
    QTest::newRow("empty angle") << "3.48"
                                 << "5.7"
                                 << "" << empty;
    QTest::newRow("empty beats range") << ""
                                       << "5.7"
                                       << "120" << empty;
    QTest::newRow("22.99") << "3.48"
                           << "5.7"
                           << "22.99" << range;
    QTest::newRow("89.01") << "3.48"
                           << "5.7"
                           << "89.01" << range;
    QTest::newRow("blank angle") << "3.48"
                                 << "5.7"
                                 << " " << range;
    QTest::newRow("letters") << "3.48"
                             << "5.7"
                             << "abc" << range;
    QTest::newRow("1E400 angle") << "3.48"
                                 << "5.7"
                                 << "1E400" << range;
    QTest::newRow("60 deg") << "3.48"
                            << "5.7"
                            << "60 deg"
                            << "The Intake Valve Closing Angle must be a plain number, such as 60 "
                               "or 60.5, with nothing after it.";
    QTest::newRow("6 0") << "3.48"
                         << "5.7"
                         << "6 0"
                         << "The Intake Valve Closing Angle must be a plain number, such as 60 or "
                            "60.5, with nothing after it.";
    QTest::newRow("rod too short") << "3.48"
                                   << "1"
                                   << "60"
                                   << "The Rod Length is too short for this Crank Stroke and "
                                      "closing angle. Check both values.";
    QTest::newRow("blank rod") << "3.48"
                               << " "
                               << "60"
                               << "The Rod Length is too short for this Crank Stroke and closing "
                                  "angle. Check both values.";
    QTest::newRow("huge rod") << "3.48"
                              << "1E200"
                              << "60"
                              << "A number is too large to calculate with. Check that every "
                                 "input is an engine dimension.";
    QTest::newRow("stroke beyond range") << "1E400"
                                         << "5.7"
                                         << "60"
                                         << "A number is too large to calculate with. Check that "
                                            "every input is an engine dimension.";
  }
  void refusesWithoutWriting() {
    // An earlier result must survive a refused calculation.
    fill("3.48", "5.7", "60");
    w->click("Com_go");
    QFETCH(QString, stroke);
    QFETCH(QString, rod);
    QFETCH(QString, angle);
    fill(stroke, rod, angle);
    const QStringList before = pageFields();
    w->click("Com_go");
    QFETCH(QString, message);
    QCOMPARE(w->messages.texts, QStringList{message});
    QCOMPARE(w->messages.spoken.size(), 1);  // the first Calculate's results only
    QCOMPARE(pageFields(), before);
    QCOMPARE(w->text("Txt_DST"), "2.81279161755714");
  }

  void clearEmptiesThePageOnly() {
    fill("3.48", "5.7", "60");
    w->click("Com_go");
    w->click("Com_clear");
    for (const char* name : {"txt_Stroke", "txt_rod", "txt_IVA", "Txt_DST", "Txt_BDC"}) {
      QVERIFY2(w->text(name).isEmpty(), name);
    }
    QCOMPARE(w->text("txt_ICA_a"), "60");
    QVERIFY(w->messages.texts.isEmpty());
  }

  void exitEndsTheProgram() {
    fill("3.48", "5.7", "60");
    w->click("Com_exit");
    QCOMPARE(w->messages.endRequests, 1);
    QVERIFY(w->messages.texts.isEmpty());
  }

  void enterAndEscapeRunNothing() {
    fill("3.48", "5.7", "60");
    QTest::keyClick(w->find("txt_IVA"), Qt::Key_Return);
    QTest::keyClick(w->find("txt_IVA"), Qt::Key_Enter);
    QTest::keyClick(w->find("txt_IVA"), Qt::Key_Escape);
    QVERIFY(w->text("Txt_DST").isEmpty());
    QVERIFY(w->messages.texts.isEmpty());
    QCOMPARE(w->messages.endRequests, 0);
  }

  void resultsAreReadOnlyButCopyable() {
    fill("3.48", "5.7", "60");
    w->click("Com_go");
    QLineEdit* dst = w->find("Txt_DST");
    QTest::mouseClick(dst, Qt::LeftButton);
    QTest::keyClicks(dst, "9");
    QCOMPARE(dst->text(), "2.81279161755714");
    QTest::keyClick(dst, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dst, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "2.81279161755714");
  }

  void tabSkipsResults() {
    QLineEdit* stroke = w->find("txt_Stroke");
    stroke->setFocus();
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    // The tab bar itself sits between the strip and the page.
    QCOMPARE(visited, (QStringList{"txt_rod", "txt_IVA", "Com_go", "Com_clear", "Com_exit",
                                   "txt_ICA_a", "Txt_AID_a", visited[7], "txt_Stroke"}));
  }

  void startState() {
    QCOMPARE(w->window->tabControl()->currentIndex(), 0);
    for (const char* name : {"txt_Stroke", "txt_rod", "txt_IVA", "Txt_DST", "Txt_BDC"}) {
      QVERIFY2(w->text(name).isEmpty(), name);
    }
    QCOMPARE(w->find("Txt_DST")->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(w->find("txt_Stroke")->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(w->find("txt_IVA")->toolTip(), "Always use the seat timing not .050\" timing");
    QVERIFY(w->find("Txt_BDC")->isReadOnly());
    QVERIFY(!w->find("txt_rod")->isReadOnly());
  }
};

VELMORA_UI_TEST_MAIN(TestDynamicStrokePage)
#include "tst_dynamic_stroke_page.moc"
