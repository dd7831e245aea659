// The floor for Velmora's start-up: a bare Qt window of the same 99
// controls at the same places (its tables, design.h), with no logic: a main
// window with the menu bar's two commands, the strip, and a QTabWidget of
// the three pages.
//   velmora-startup-floor            the toolkit's own fonts and colours
//   velmora-startup-floor --styled   the design's fonts and colours, and tab
//                                    captions on two lines
// Its window has the program's title, so scripts/startup finds either the
// same way. What the program does beyond this floor is its own cost.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <cstring>

#include "pages/design.h"
#include "pages/layout.h"

namespace {

// One plain widget a row, placed where the row says (top: where parent's
// top lies in the table's coordinates).
void populate(QWidget* parent, std::span<const design::Control> controls, int top, bool styled) {
  QButtonGroup* options = nullptr;
  for (const design::Control& c : controls) {
    using enum design::Kind;
    QWidget* w = nullptr;
    switch (c.kind) {
      case Label:
      case CentredLabel:
      case WrappingLabel:
      case GrowingLabel: {
        auto* l = new QLabel(layout::text(c.caption), parent);
        l->setWordWrap(c.kind == WrappingLabel || c.kind == GrowingLabel);
        w = l;
        break;
      }
      case Input:
      case Result:
      case Display: {
        auto* e = new QLineEdit(layout::text(c.caption), parent);
        e->setReadOnly(c.kind != Input);
        e->setToolTip(layout::text(c.details.tooltip));
        if (styled && c.details.paint != design::Paint::Platform) {
          QPalette p = e->palette();
          p.setColor(QPalette::Text, c.details.paint == design::Paint::GreenText
                                         ? QColor(0, 128, 0)
                                         : QColor(Qt::black));
          p.setColor(QPalette::Base, Qt::white);
          e->setPalette(p);
        }
        w = e;
        break;
      }
      case Button:
        w = new QPushButton(layout::text(c.caption), parent);
        break;
      case CheckBox:
        w = new QCheckBox(layout::text(c.caption), parent);
        break;
      case OptionButton: {
        auto* r = new QRadioButton(layout::text(c.caption), parent);
        if (options == nullptr) options = new QButtonGroup(parent);
        options->addButton(r);
        w = r;
        break;
      }
      case Outline: {
        auto* f = new QFrame(parent);
        f->setFrameShape(QFrame::Box);
        w = f;
        break;
      }
      case OptionGroup:  // only the program's: nothing to see
        continue;
    }
    w->setGeometry(layout::toPixels({c.box.left, c.box.top - top, c.box.width, c.box.height}));
    if (styled) w->setFont(layout::font(c.font));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool styled = argc > 1 && std::strcmp(argv[1], "--styled") == 0;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QMainWindow window;
  window.setWindowTitle(
      QStringLiteral("Dynamic Stroke Length, Cam Timing, & Compression Ratio Calculator"));
  if (styled) window.setFont(layout::windowFont());
  window.menuBar()->addAction(QStringLiteral("&About"));
  window.menuBar()->addAction(QStringLiteral("&Help"));

  auto* client = new QWidget(&window);
  client->setFixedSize(layout::toPixels(design::kClientArea).size());
  populate(client, design::kStrip, 0, styled);
  auto* tabs = new QTabWidget(client);
  tabs->setGeometry(layout::toPixels(design::kTabControl));
  if (styled) tabs->tabBar()->setFont(layout::font(design::kTabCaptions));
  for (const design::Page* page :
       {&design::kDynamicStrokePage, &design::kCamTimingPage, &design::kCompressionPage}) {
    auto* widget = new QWidget(tabs);
    populate(widget, page->controls, layout::kTabStripTwips, styled);
    QString caption = layout::text(page->caption);
    // Two lines, as the program's tab strip wraps them.
    if (styled) caption.replace(caption.lastIndexOf(u' '), 1, u'\n');
    tabs->addTab(widget, caption);
  }
  window.setCentralWidget(client);
  window.show();
  return QApplication::exec();
}
