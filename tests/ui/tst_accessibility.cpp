#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

#include "ui_support.h"

// What a screen reader hears: every control walked through Qt's
// accessibility interface, as an AT-SPI bridge reads it.
class TestAccessibility : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;

  static QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    if (a == nullptr) qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return a;
  }

 private slots:
  void init() { w = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w.reset(); }

  void fieldsAreNamedByTheirLabels_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnly");
    const struct {
      int page;
      const char* field;
      const char* name;
      bool readOnly;
    } rows[] = {
        {0, "Txt_AID_a", "Advertised Intake Dur in use", true},
        {0, "txt_ICA_a", "Intake Closing Angle in use", true},
        {0, "txt_Stroke", "Crank Stroke", false},
        {0, "txt_rod", "Rod Length", false},
        {0, "txt_IVA", "ADV Intake Closing Angle", false},
        {0, "Txt_DST", "Dynamic Stroke Length", true},
        {0, "Txt_BDC", "Distance of piston from BDC", true},
        {1, "txt_i_dur", "Advertised Intake Duration", false},
        {1, "txt_e_dur", "Advertised Exhaust Duration", false},
        {1, "txt_LSA", "Lobe Separation Angle", false},
        {1, "txt_ILC", "Intake Lobe Centerline", false},
        {1, "txt_I_Open", "BTDC", true},
        {1, "txt_I_Close", "ABDC", true},
        {1, "txt_E_Close", "ATDC", true},
        {1, "txt_E_Open", "BBDC", true},
        {1, "txt_overlap", "Overlap", true},
        {1, "txt_ADV", "Total Cam Adv", true},
        {2, "txt_cyl", "Number of Cylinders", false},
        {2, "txt_bore", "Bore Diameter [in]", false},
        {2, "txt_stroke3", "Stroke [in]", false},
        {2, "txt_CCvol", "Combustion Chamber Volume [cc]", false},
        {2, "txt_gast", "Head Gasket Thickness [in]", false},
        {2, "txt_gasb", "Head Gasket Bore [in]", false},
        {2, "txt_deck", "Piston To Deck clearance [in]", false},
        {2, "txt_pvol", "Dish/ValveRelief/Dome Volume [positive cc]", false},
        {2, "txt_quench", "Quench Distance", true},
        {2, "txt_DispIN", "Displacement [Cubic Inches]", true},
        {2, "txt_DispCC", "Displacement [liter]", true},
        {2, "txt_CR1", "Calculated Static Compression Ratio", true},
    };
    for (const auto& r : rows) {
      QTest::newRow(r.field) << r.page << r.field << r.name << r.readOnly;
    }
  }
  void fieldsAreNamedByTheirLabels() {
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, name);
    QFETCH(bool, readOnly);
    w->showPage(page);
    QAccessibleInterface* a = accessible(w->find(field.toLatin1().constData()));
    QCOMPARE(a->role(), QAccessible::EditableText);
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(bool(a->state().readOnly), readOnly);
  }

  // Every control that takes input announces its caption with its role.
  void everyControlHasANameAndARole() {
    for (int page = 0; page < 3; ++page) {
      w->showPage(page);
      for (QWidget* widget : w->window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus) continue;
        QAccessibleInterface* a = accessible(widget);
        QVERIFY2(!a->text(QAccessible::Name).isEmpty() || qobject_cast<QTabBar*>(widget),
                 qPrintable(widget->objectName()));
        if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
          QCOMPARE(a->text(QAccessible::Name), b->text());
        }
      }
    }
    QCOMPARE(accessible(w->find<QWidget>("Chk_dst1"))->role(), QAccessible::CheckBox);
    QCOMPARE(accessible(w->find<QWidget>("opt_dome"))->role(), QAccessible::RadioButton);
    QCOMPARE(accessible(w->find<QWidget>("Com_go"))->role(), QAccessible::Button);
  }

  // The ratio field's name follows its label when Calculate changes it.
  void ratioNameFollowsTheLabel() {
    w->showPage(2);
    w->find<QLabel>("lab_CR1")->setText("Calculated Dynamic Compression Ratio");
    QCOMPARE(accessible(w->find("txt_CR1"))->text(QAccessible::Name),
             "Calculated Dynamic Compression Ratio");
  }

  void tabsAreNamedByTheirCaptions() {
    QAccessibleInterface* bar = accessible(w->window->tabControl()->tabBar());
    QCOMPARE(bar->childCount() >= 3, true);
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i) {
      if (bar->child(i)->role() == QAccessible::PageTab)
        names << bar->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(names,
             (QStringList{"Dynamic Stroke Length Calculator", "Cam Timing and Overlap Calculator",
                          "Compression Ratio Calculator"}));
  }
};

VELMORA_UI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
