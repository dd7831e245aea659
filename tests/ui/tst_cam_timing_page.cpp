#include <QLabel>

#include "ui_support.h"

namespace {

// Every field Calculate writes, in the order it writes them.
const char* const kWrittenFields[] = {"txt_ADV",    "txt_I_Open",  "txt_I_Close", "txt_E_Close",
                                      "txt_E_Open", "txt_overlap", "txt_IVA",     "Txt_AID_a"};

}  // namespace

class TestCamTimingPage : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;

  void fill(const QString& intake, const QString& exhaust, const QString& lsa, const QString& ilc) {
    w->type("txt_i_dur", intake);
    w->type("txt_e_dur", exhaust);
    w->type("txt_LSA", lsa);
    w->type("txt_ILC", ilc);
  }
  void calculateFirstExample() {
    fill("270", "280", "110", "106");
    w->click("Com_Go_2");
  }
  QStringList writtenFields() const {
    QStringList texts;
    for (const char* name : kWrittenFields) texts << w->text(name);
    return texts;
  }

 private slots:
  void init() {
    w = std::make_unique<WindowUnderTest>();
    w->showPage(1);
  }
  void cleanup() { w.reset(); }

  void calculates_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");  // ADV, I_Open, I_Close, E_Close, E_Open, overlap
    QTest::newRow("first example") << QStringList{"270", "280", "110", "106"}
                                   << QStringList{"4", "29", "61", "26", "74", "55"};
    // Text after the number is ignored; the strip still shows it as typed.
    QTest::newRow("270abc") << QStringList{"270abc", "280", "110", "106"}
                            << QStringList{"4", "29", "61", "26", "74", "55"};
    // A blank is no empty field: it reads as 0.
    QTest::newRow("blank LSA") << QStringList{"270", "280", " ", "106"}
                               << QStringList{"-106", "29", "61", "246", "-146", "275"};
  }
  void calculates() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    fill(inputs[0], inputs[1], inputs[2], inputs[3]);
    // A second Calculate writes the same texts again: nothing accumulates.
    w->click("Com_Go_2");
    w->click("Com_Go_2");
    QVERIFY(w->messages.texts.isEmpty());
    const QStringList expected = results + QStringList{results[2], inputs[0]};
    QCOMPARE(writtenFields(), expected);
    QCOMPARE(w->messages.spoken.last(),
             QStringLiteral("Intake opens BTDC %1, Intake closes ABDC %2, Exhaust opens BBDC %3, "
                            "Exhaust closes ATDC %4, Overlap %5, Total Cam Adv %6")
                 .arg(results[1], results[2], results[4], results[3], results[5], results[0]));
    QCOMPARE(w->text("txt_i_dur"), inputs[0]);
  }

  void emptyFieldWritesNothing_data() {
    QTest::addColumn<int>("emptied");
    QTest::newRow("txt_i_dur") << 0;
    QTest::newRow("txt_e_dur") << 1;
    QTest::newRow("txt_LSA") << 2;
    QTest::newRow("txt_ILC") << 3;
  }
  void emptyFieldWritesNothing() {
    calculateFirstExample();
    // The user has since edited the closing angle on page 0.
    w->showPage(0);
    w->type("txt_IVA", "45");
    w->showPage(1);

    QStringList inputs{"284", "290", "112", "108.5"};
    QFETCH(int, emptied);
    inputs[emptied].clear();
    fill(inputs[0], inputs[1], inputs[2], inputs[3]);
    const QStringList before = writtenFields();
    w->click("Com_Go_2");
    QCOMPARE(w->messages.texts, QStringList{"All input boxes must be filled"});
    QCOMPARE(writtenFields(), before);
    QCOMPARE(w->text("txt_IVA"), "45");
    QCOMPARE(w->text("Txt_AID_a"), "270");
    QCOMPARE(w->messages.spoken.size(), 1);  // the first Calculate's results only
  }

  void clearEmptiesOnlyTheInputs() {
    calculateFirstExample();
    const QStringList results = writtenFields();
    w->click("Com_Clear_2");
    for (const char* name : {"txt_i_dur", "txt_e_dur", "txt_LSA", "txt_ILC"}) {
      QVERIFY2(w->text(name).isEmpty(), name);
    }
    QCOMPARE(writtenFields(), results);
    QVERIFY(w->messages.texts.isEmpty());
  }

  void closingAngleFeedsTheDynamicStrokePage_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("dst");
    QTest::addColumn<QString>("bdc");
    QTest::newRow("61") << QStringList{"270", "280", "110", "106"} << "61"
                        << "2.79048142717871"
                        << "0.68951857282129";
    QTest::newRow("70.5") << QStringList{"284", "290", "112", "108.5"} << "70.5"
                          << "2.56190861757498"
                          << "0.91809138242502";
    QTest::newRow("67") << QStringList{"270", "270", "108", "112"} << "67"
                        << "2.6495315746501"
                        << "0.8304684253499";
  }
  void closingAngleFeedsTheDynamicStrokePage() {
    QFETCH(QStringList, inputs);
    fill(inputs[0], inputs[1], inputs[2], inputs[3]);
    w->click("Com_Go_2");
    w->showPage(0);
    w->type("txt_Stroke", "3.48");
    w->type("txt_rod", "5.7");
    w->click("Com_go");
    QVERIFY(w->messages.texts.isEmpty());
    QFETCH(QString, angle);
    QFETCH(QString, dst);
    QFETCH(QString, bdc);
    QCOMPARE(w->text("txt_IVA"), angle);
    QCOMPARE(w->text("Txt_DST"), dst);
    QCOMPARE(w->text("Txt_BDC"), bdc);
    QCOMPARE(w->text("txt_ICA_a"), angle);
    QCOMPARE(w->text("Txt_AID_a"), inputs[0]);
  }

  void exitEndsTheProgram() {
    calculateFirstExample();
    w->click("Com_exit_2");
    QCOMPARE(w->messages.endRequests, 1);
    QVERIFY(w->messages.texts.isEmpty());
  }

  void tabSkipsResults() {
    w->find("txt_i_dur")->setFocus();
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    // The tab bar itself sits between the strip and the page.
    QCOMPARE(visited,
             (QStringList{"txt_e_dur", "txt_LSA", "txt_ILC", "Com_Go_2", "Com_Clear_2",
                          "Com_exit_2", "txt_ICA_a", "Txt_AID_a", visited[8], "txt_i_dur"}));
  }

  void startState() {
    const QStringList names{"txt_E_Close",  "txt_E_Open",    "txt_I_Close",   "txt_ADV",
                            "txt_ILC",      "Com_exit_2",    "Com_Clear_2",   "Com_Go_2",
                            "txt_overlap",  "txt_I_Open",    "txt_LSA",       "txt_e_dur",
                            "txt_i_dur",    "lab_ATC",       "lab_Exh",       "lab_S_Close",
                            "lab_ABDC",     "lab_credit6",   "Lab_credit5",   "lab_credit4",
                            "lab_BBTC",     "lab_adv",       "Lab_LSA",       "Lab_Lobecenter",
                            "Lab_inputs_2", "shp_input_2",   "LAB_results_2", "SHP_results_2",
                            "lab_s_open",   "lab_BTDC",      "lab_overlap",   "lab_header",
                            "lab_Int",      "lab_seat_time", "Lab_exh_dur",   "Lab_int_dur"};
    QCOMPARE(names.size(), 36);
    QWidget* page = w->find<QWidget>("txt_i_dur")->parentWidget();
    for (const QString& name : names) {
      QWidget* c = page->findChild<QWidget*>(name);
      QVERIFY2(c != nullptr && c->isVisible(), qPrintable(name));
    }
    for (const char* name : {"txt_i_dur", "txt_e_dur", "txt_LSA", "txt_ILC"}) {
      QVERIFY2(w->text(name).isEmpty() && !w->find(name)->isReadOnly(), name);
    }
    for (const char* name :
         {"txt_ADV", "txt_I_Open", "txt_I_Close", "txt_E_Close", "txt_E_Open", "txt_overlap"}) {
      QVERIFY2(w->text(name).isEmpty() && w->find(name)->isReadOnly(), name);
      QVERIFY2(w->find(name)->focusPolicy() == Qt::ClickFocus, name);
    }
    QCOMPARE(w->find("txt_I_Close")->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(w->find("txt_i_dur")->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(w->find("txt_i_dur")->toolTip(), "Advertised not .050\" duration");
    QCOMPARE(w->find("txt_e_dur")->toolTip(), "Advertised not .050\" duration");
    QCOMPARE(w->find("txt_ADV")->toolTip(), "A negitive number means cam is retarded");
    QCOMPARE(w->find<QLabel>("lab_BBTC")->text(), "BBDC");
    QCOMPARE(w->find<QLabel>("lab_header")->text(), "Timing and Overlap Calculator");
  }
};

VELMORA_UI_TEST_MAIN(TestCamTimingPage)
#include "tst_cam_timing_page.moc"
