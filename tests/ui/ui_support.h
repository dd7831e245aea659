#pragma once

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyleFactory>
#include <QTest>
#include <memory>

#include "app/accessibility.h"
#include "app/main_window.h"
#include "app/tab_control.h"
#include "pages/design.h"
#include "pages/layout.h"
#include "pages/shell.h"

// Keeps every message instead of showing a modal box, and what a screen
// reader would be told, and counts the requests to end the program.
class RecordingShell : public Shell {
 public:
  void show_message(const QString& text) override { texts << text; }
  void announce(const QString& text) override { spoken << text; }
  void end_program() override { ++endRequests; }
  QStringList texts;
  QStringList spoken;
  int endRequests = 0;
};

// A real main window, shown offscreen, with recorded messages and an Exit
// that only counts.
struct WindowUnderTest {
  RecordingShell messages;
  std::unique_ptr<MainWindow> window;

  WindowUnderTest() {
    window = std::make_unique<MainWindow>(messages);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
  }

  template <typename T = QLineEdit>
  T* find(const char* name) const {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) qFatal("no control named %s", name);
    return w;
  }
  QString text(const char* name) const { return find<QLineEdit>(name)->text(); }
  void showPage(int index) const {
    window->tabControl()->setCurrentIndex(index);
    QApplication::processEvents();
  }
  // Types into a field the way a user does: click into it, select all, type.
  void type(const char* name, const QString& value) const {
    QLineEdit* e = find<QLineEdit>(name);
    QTest::mouseClick(e, Qt::LeftButton);
    e->selectAll();
    if (value.isEmpty()) {
      QTest::keyClick(e, Qt::Key_Delete);
    } else {
      QTest::keyClicks(e, value);
    }
  }
  void click(const char* name) const { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  // The box of a control relative to the tab control, in pixels.
  QRect boxInTabControl(const QWidget* w) const {
    return QRect(w->mapTo(window->tabControl(), QPoint(0, 0)), w->size());
  }
  QRect boxInTabControl(const char* name) const { return boxInTabControl(find<QWidget>(name)); }
};

// A designed box in twips as the window must place it: 15 twips a pixel,
// each edge rounded on its own.
inline QRect pixelsFromTwips(const design::Twips& twips) {
  return QRect(qRound(twips.left / 15.0), qRound(twips.top / 15.0), qRound(twips.width / 15.0),
               qRound(twips.height / 15.0));
}

// What the user sees: the strip above the tab control (-1), and the pages.
inline const QList<int> kSurfaces{-1, 0, 1, 2};

// The table of a surface's controls.
inline std::span<const design::Control> tableOf(int surface) {
  switch (surface) {
    case 0:
      return design::kDynamicStrokePage.controls;
    case 1:
      return design::kCamTimingPage.controls;
    case 2:
      return design::kCompressionPage.controls;
    default:
      return design::kStrip;
  }
}

inline QString nameOf(const design::Control& control) { return layout::text(control.name); }

// The row of the control of that name, in whichever table it is.
inline const design::Control& rowOf(std::string_view name) {
  for (int surface : kSurfaces) {
    for (const design::Control& c : tableOf(surface)) {
      if (c.name == name) return c;
    }
  }
  qFatal("no control named %.*s in the tables", int(name.size()), name.data());
}

// How often each colour occurs inside area of image.
inline QHash<QRgb, int> colourCounts(const QImage& image, const QRect& area) {
  QHash<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  }
  return counts;
}

// The most common colour among counts: the background where text is drawn.
inline QRgb mostCommon(const QHash<QRgb, int>& counts) {
  QRgb colour = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > most) {
      most = it.value();
      colour = it.key();
    }
  }
  return colour;
}

// Fusion everywhere, so pixel checks do not depend on the desktop's style.
#define VELMORA_UI_TEST_MAIN(TestClass)                                      \
  int main(int argc, char** argv) {                                          \
    QApplication app(argc, argv);                                            \
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); \
    accessibility::install();                                                \
    TestClass test;                                                          \
    return QTest::qExec(&test, argc, argv);                                  \
  }
