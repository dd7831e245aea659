#include <QAbstractButton>
#include <QAccessible>
#include <QHash>
#include <QLabel>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QStyle>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "ui_support.h"

// The events the accessibility filter passes on to the handler it replaced:
// this recorder, installed before it as a platform's bridge would be.
// Offscreen, Qt hands no event to a handler, so the tests hand them to the
// filter themselves.
QList<QPair<QObject*, QAccessible::Event>> passedOn;
void record(QAccessibleEvent* event) { passedOn.append({event->object(), event->type()}); }

// QT_LOGGING_RULES=velmora.contrast.debug=true prints every field's measured contrast.
Q_LOGGING_CATEGORY(lcContrast, "velmora.contrast", QtInfoMsg)

namespace {

// A dark desktop palette, as a dark theme sets it on the application.
QPalette darkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(35, 35, 35), text(238, 238, 236);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, QColor(145, 145, 145));
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Midlight, QColor(66, 66, 66));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  p.setColor(QPalette::Shadow, Qt::black);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
  return p;
}

// WCAG 2 relative luminance and contrast ratio.
double luminance(QRgb c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a field's text as drawn: inside the frame, the most common
// colour is the background and the pixel farthest from it is the text's
// colour (the core of a glyph, not its anti-aliased edge). Returns 0 when
// nothing but background is drawn.
double drawnContrast(QLineEdit* field) {
  const QImage img = field->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int inset =
      qCeil((field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field) + 1) *
            img.devicePixelRatio());
  const QHash<QRgb, int> counts =
      colourCounts(img, img.rect().adjusted(inset, inset, -inset, -inset));
  const QRgb background = mostCommon(counts);
  double best = 0;
  int ink = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.key() == background) continue;
    best = std::max(best, contrast(it.key(), background));
    ink += it.value();
  }
  return ink >= 10 ? best : 0;
}

}  // namespace

// What a screen reader hears: every control walked through Qt's
// accessibility interface, as an AT-SPI bridge reads it.
class TestAccessibility : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;
  QPalette desktopPalette_;

  // Every field of the three pages and the strip shows text.
  void fillEveryField() const {
    w->showPage(1);
    w->type("txt_i_dur", "280");
    w->type("txt_e_dur", "288");
    w->type("txt_LSA", "110");
    w->type("txt_ILC", "106");
    w->click("Com_Go_2");
    w->showPage(0);
    w->type("txt_Stroke", "3.48");
    w->type("txt_rod", "5.7");
    w->click("Com_go");
    w->showPage(2);
    w->type("txt_bore", "4.03");
    w->type("txt_stroke3", "3.48");
    w->type("txt_CCvol", "64");
    w->type("txt_gast", "0.039");
    w->type("txt_gasb", "4.1");
    w->type("txt_deck", "0.01");
    w->type("txt_pvol", "5");
    QTest::mouseClick(w->find<QRadioButton>("opt_FD"), Qt::LeftButton);
    w->click("com_go3");
  }

  static QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    if (a == nullptr) qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return a;
  }

 private slots:
  void init() { w = std::make_unique<WindowUnderTest>(); }
  void cleanup() {
    w.reset();
    QApplication::setPalette(desktopPalette_);
  }
  void initTestCase() { desktopPalette_ = QApplication::palette(); }

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

  // A screen reader describes each valve event as its captions abbreviate it:
  // the row's valve, the event, and the column's "BTDC" spelt out.
  void eventsAreDescribed_data() {
    QTest::addColumn<QString>("valve");
    QTest::addColumn<QString>("event");
    // clang-format off
    QTest::newRow("txt_I_Open") << "Intake" << "opens";
    QTest::newRow("txt_I_Close") << "Intake" << "closes";
    QTest::newRow("txt_E_Open") << "Exhaust" << "opens";
    QTest::newRow("txt_E_Close") << "Exhaust" << "closes";
    // clang-format on
  }
  void eventsAreDescribed() {
    QFETCH(QString, valve);
    QFETCH(QString, event);
    w->showPage(1);
    QAccessibleInterface* a = accessible(w->find(QTest::currentDataTag()));
    const QString column = a->text(QAccessible::Name);
    QCOMPARE(a->text(QAccessible::Description),
             QStringLiteral("%1 %2, degrees %3 %4 dead centre")
                 .arg(valve, event, column[0] == u'B' ? "before" : "after",
                      column[1] == u'T' ? "top" : "bottom"));
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

  // Every field that shows text is readable: WCAG contrast 4.5:1 or more,
  // under the desktop's palette and under a dark palette the desktop sets
  // on the application while the window is open.
  void textIsReadable_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("inactive");
    QTest::addColumn<bool>("atStart");
    for (int page = 0; page < 3; ++page) {
      QTest::addRow("desktop palette, page %d", page) << false << page << false << false;
      QTest::addRow("dark palette, page %d", page) << true << page << false << false;
    }
    QTest::addRow("dark palette, inactive window") << true << 0 << true << false;
    QTest::addRow("dark palette from the start") << true << 0 << false << true;
  }
  void textIsReadable() {
    QFETCH(bool, dark);
    QFETCH(int, page);
    QFETCH(bool, inactive);
    QFETCH(bool, atStart);
    if (atStart) {
      w.reset();
      QApplication::setPalette(darkPalette());
      w = std::make_unique<WindowUnderTest>();
    }
    fillEveryField();
    if (dark) QApplication::setPalette(darkPalette());
    w->showPage(page);
    QWidget other;
    if (inactive) {
      other.show();
      other.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    // The fields whose design fixes a colour keep it, on white, in every state.
    for (const char* name : {"txt_Stroke", "txt_i_dur", "Txt_DST", "txt_I_Close", "txt_CR1"}) {
      QCOMPARE(w->find(name)->palette().color(QPalette::Inactive, QPalette::Base), Qt::white);
    }
    QStringList unreadable;
    int measured = 0;
    for (QLineEdit* field : w->window->findChildren<QLineEdit*>()) {
      if (!field->isVisible()) continue;
      QVERIFY2(!field->text().isEmpty(), qPrintable(field->objectName()));
      // Only the pinned colours are the field's own; the rest follow the desktop.
      QCOMPARE(field->palette().color(QPalette::Highlight),
               QApplication::palette().color(QPalette::Highlight));
      const double ratio = drawnContrast(field);
      qCDebug(lcContrast, "%s page %d %-11s %5.2f", dark ? "dark" : "desktop", page,
              qPrintable(field->objectName()), ratio);
      if (ratio < 4.5) {
        unreadable << QStringLiteral("%1 %2:1").arg(field->objectName()).arg(ratio, 0, 'f', 2);
      }
      ++measured;
    }
    QVERIFY(measured >= 7);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
  }

  // GNOME's GTK theme fills fields with the page's own colour, or a shade
  // darker: every field still stands out from its page at a glance, light or
  // dark, from the start or after the desktop switches.
  void fieldsStandOutFromThePage_data() {
    QTest::addColumn<QColor>("page");
    QTest::addColumn<QColor>("fill");  // the theme's for fields
    QTest::addColumn<bool>("whileOpen");
    QTest::newRow("GNOME light") << QColor(0xfa, 0xf9, 0xf8) << QColor(0xf6, 0xf5, 0xf4) << false;
    QTest::newRow("GNOME dark, while open")
        << QColor(0x32, 0x32, 0x32) << QColor(0x32, 0x32, 0x32) << true;
  }
  void fieldsStandOutFromThePage() {
    QFETCH(QColor, page);
    QFETCH(QColor, fill);
    QFETCH(bool, whileOpen);
    if (!whileOpen) w.reset();
    QPalette desktop(page, page);
    desktop.setColor(QPalette::Base, page);
    QApplication::setPalette(desktop);
    desktop.setColor(QPalette::Base, fill);
    QApplication::setPalette(desktop, "QLineEdit");
    if (!whileOpen) w = std::make_unique<WindowUnderTest>();
    QStringList faint;
    for (int p = 0; p < 3; ++p) {
      w->showPage(p);
      for (QLineEdit* field : w->window->findChildren<QLineEdit*>()) {
        if (!field->isVisible()) continue;
        const QImage img = field->grab().toImage();
        const QColor drawn = mostCommon(colourCounts(img, img.rect().adjusted(3, 3, -3, -3)));
        if (qAbs(drawn.lightness() - page.lightness()) < 5) faint << field->objectName();
      }
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
  }

  // A screen reader's mouse review asks for the accessible at the pointer,
  // descending from the window as AT-SPI does: at the centre of every
  // control it is that control, never the outline rectangle around it, and
  // a click there reaches the control.
  void pointerFindsTheControl_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("dynamic stroke page") << 0;
    QTest::newRow("cam timing page") << 1;
    QTest::newRow("compression ratio page") << 2;
  }
  void pointerFindsTheControl() {
    QFETCH(int, page);
    w->showPage(page);
    QWidget* front = w->window->tabControl()->currentPage();
    QStringList missed;
    int checked = 0;
    for (QWidget* control : front->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
          !qobject_cast<QLabel*>(control)) {
        continue;
      }
      const QPoint centre = control->mapToGlobal(control->rect().center());
      QAccessibleInterface* at = accessible(w->window.get());
      while (QAccessibleInterface* child = at->childAt(centre.x(), centre.y())) at = child;
      if (at->object() != control) {
        missed << control->objectName() + QStringLiteral(" finds ") + at->object()->objectName();
      }
      // The mouse reaches it too: the rectangle takes no clicks.
      QWidget* clicked = w->window->childAt(w->window->mapFromGlobal(centre));
      if (clicked != control) {
        missed << control->objectName() + QStringLiteral(" clicks ") +
                      (clicked ? clicked->objectName() : QStringLiteral("nothing"));
      }
      ++checked;
    }
    QVERIFY(checked >= 10);
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(", "))));
  }

  // Ctrl+Tab, Ctrl+PgDn, Ctrl+Shift+Tab and Ctrl+PgUp go round the pages
  // from any field, like a click on a tab: no field changes, nothing runs,
  // and the focus moves onto the page in front.
  void keysSwitchPages_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    const int ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Tab") << 0 << "txt_Stroke" << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Ctrl+Tab from a result") << 1 << "txt_I_Close" << int(Qt::Key_Tab) << ctrl << 2;
    QTest::newRow("Ctrl+Tab wraps") << 2 << "txt_pvol" << int(Qt::Key_Tab) << ctrl << 0;
    QTest::newRow("Ctrl+PgDn") << 1 << "txt_LSA" << int(Qt::Key_PageDown) << ctrl << 2;
    QTest::newRow("Ctrl+PgDn wraps") << 2 << "txt_cyl" << int(Qt::Key_PageDown) << ctrl << 0;
    QTest::newRow("Ctrl+Shift+Tab") << 1 << "txt_ILC" << int(Qt::Key_Tab) << ctrlShift << 0;
    // What X11 sends for Shift+Tab.
    QTest::newRow("Ctrl+Shift+Backtab wraps")
        << 0 << "txt_IVA" << int(Qt::Key_Backtab) << ctrlShift << 2;
    QTest::newRow("Ctrl+PgUp") << 2 << "txt_bore" << int(Qt::Key_PageUp) << ctrl << 1;
    QTest::newRow("Ctrl+PgUp wraps") << 0 << "txt_rod" << int(Qt::Key_PageUp) << ctrl << 2;
    QTest::newRow("Ctrl+PgDn from the strip")
        << 0 << "txt_ICA_a" << int(Qt::Key_PageDown) << ctrl << 1;
  }
  void keysSwitchPages() {
    QFETCH(int, from);
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    auto texts = [this] {
      QStringList state;
      for (QLineEdit* e : w->window->findChildren<QLineEdit*>())
        state << e->objectName() + "=" + e->text();
      state.sort();  // bringing a page to the front reorders the pages
      return state;
    };
    w->type("txt_Stroke", "3.48");
    w->type("txt_i_dur", "280");
    w->type("txt_bore", "4.03");
    w->showPage(from);
    QLineEdit* start = w->find(field.toLatin1().constData());
    start->setFocus();
    QVERIFY(start->hasFocus());
    const QStringList before = texts();
    w->messages.spoken.clear();
    QTest::keyClick(start, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w->window->tabControl()->currentIndex(), to);
    QCOMPARE(texts(), before);
    QVERIFY(w->messages.texts.isEmpty());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    // The page's name is spoken: announced where the focus stays outside it.
    if (w->window->tabControl()->isAncestorOf(start)) {
      QVERIFY2(w->window->tabControl()->currentPage()->isAncestorOf(focus),
               qPrintable(focus->objectName()));
      QVERIFY(w->messages.spoken.isEmpty());
    } else {
      QCOMPARE(focus, start);
      QCOMPARE(w->messages.spoken, QStringList{w->window->tabControl()->tabBar()->tabText(to)});
    }
  }

  // A click on a tab names the page only where the focus stays on the strip:
  // where it moves into the page, the screen reader names the page itself.
  void clickedTabIsNamedOnce_data() {
    QTest::addColumn<bool>("stripFocused");
    QTest::addColumn<int>("tab");
    QTest::newRow("focus in a field") << false << 1;
    QTest::newRow("focus on the strip") << true << 1;
    QTest::newRow("focus on the strip, the tab in front") << true << 0;
  }
  void clickedTabIsNamedOnce() {
    QFETCH(bool, stripFocused);
    QFETCH(int, tab);
    QTabBar* bar = w->window->tabControl()->tabBar();
    QWidget* start = stripFocused ? static_cast<QWidget*>(bar) : w->find("txt_Stroke");
    start->setFocus();
    w->messages.spoken.clear();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QCOMPARE(w->window->tabControl()->currentIndex(), tab);
    const bool named = stripFocused && tab != 0;
    QCOMPARE(w->messages.spoken, named ? QStringList{bar->tabText(tab)} : QStringList{});
  }

  // The filter passes on what a screen reader may hear, and holds back the
  // controls of a page behind, and the strip's selection while the focus is
  // elsewhere (Orca 48 would take the tab for the focus).
  void filterPassesOnWhatItKeeps_data() {
    QTest::addColumn<QString>("object");  // a control's name, or "" for the strip
    QTest::addColumn<int>("event");
    QTest::addColumn<bool>("stripFocused");
    QTest::addColumn<bool>("kept");
    const int focus = QAccessible::Focus, selection = QAccessible::Selection;
    QTest::newRow("a field on the page in front") << "txt_rod" << focus << false << true;
    QTest::newRow("a field on a page behind") << "txt_i_dur" << focus << false << false;
    QTest::newRow("the strip, the focus in a field") << "" << selection << false << false;
    QTest::newRow("the strip, the focus on it") << "" << selection << true << true;
  }
  void filterPassesOnWhatItKeeps() {
    QFETCH(QString, object);
    QFETCH(int, event);
    QFETCH(bool, stripFocused);
    QFETCH(bool, kept);
    QTabBar* bar = w->window->tabControl()->tabBar();
    (stripFocused ? static_cast<QWidget*>(bar) : w->find("txt_Stroke"))->setFocus();
    QWidget* target = object.isEmpty() ? bar : w->find<QWidget>(object.toLatin1().constData());
    const QAccessible::UpdateHandler filter = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(filter);
    passedOn.clear();
    QAccessibleEvent sent(target, QAccessible::Event(event));
    filter(&sent);
    QCOMPARE(passedOn.contains({target, QAccessible::Event(event)}), kept);
  }

  // A caption names its field, and for flat review lies on the field's line.
  void captionsShareTheirFieldsLine() {
    fillEveryField();
    int checked = 0;
    for (int page = 0; page < 3; ++page) {
      w->showPage(page);
      for (QLabel* label : w->window->tabControl()->currentPage()->findChildren<QLabel*>()) {
        if (label->buddy() == nullptr) continue;
        QAccessibleInterface* caption = accessible(label);
        QAccessibleInterface* field = accessible(label->buddy());
        const QRect line = field->textInterface()->characterRect(0);
        QCOMPARE(caption->rect().center().y(), line.center().y());
        const auto labelled = caption->relations(QAccessible::Labelled);
        QVERIFY2(labelled.size() == 1 && labelled[0].first->object() == label->buddy(),
                 qPrintable(label->objectName()));
        ++checked;
      }
    }
    QCOMPARE(checked, 27);
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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QAccessible::installUpdateHandler(record);
  accessibility::install();
  TestAccessibility test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_accessibility.moc"
