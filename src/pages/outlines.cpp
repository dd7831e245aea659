// The outline rectangles, drawn by their page behind every control.
#include "pages/outlines.h"

#include <QChildEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace outlines {
namespace {

// An outline rectangle is an empty widget with the rectangle's name and box,
// which paints nothing and takes no input; its page draws the outline (see
// Painter). It stacks above the page's other controls, and so comes after
// them among the page's accessible children: a screen reader asking for the
// object under the pointer gets the field or label inside the rectangle,
// and the rectangle only where no control is.
class Outline : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

// Draws the outlines of a page's rectangles on the page itself, before any
// control is drawn, so they lie behind every control. Each edge is whole
// device pixels, placed where the rectangle's box falls on the screen and
// as thick as one pixel scales to (at least one): at fractional scale
// factors a rectangle drawn by a child widget of its own lost an edge when
// its box ended part-way through a device pixel.
class Painter : public QObject {
  Q_OBJECT

 public:
  explicit Painter(QWidget* page) : QObject(page) { page->installEventFilter(this); }

  static void raiseOutlines(QWidget* page) {
    for (Outline* o : page->findChildren<Outline*>(Qt::FindDirectChildrenOnly)) o->raise();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* page = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint) {
      paint(page);
    } else if (event->type() == QEvent::ChildAdded &&
               static_cast<QChildEvent*>(event)->child()->isWidgetType()) {
      raiseOutlines(page);
    }
    return false;
  }

 private:
  static void paint(QWidget* page) {
    QPainter painter(page);
    const QTransform toDevice = painter.deviceTransform();
    const QTransform toPage = toDevice.inverted();
    const int line = std::max(1, qRound(toDevice.m11()));
    const QColor ink = page->palette().color(QPalette::WindowText);
    for (Outline* o : page->findChildren<Outline*>(Qt::FindDirectChildrenOnly)) {
      if (o->isHidden()) continue;
      const QRectF box = toDevice.mapRect(QRectF(o->geometry()));
      const int left = qRound(box.left()), top = qRound(box.top());
      const int right = qRound(box.right()), bottom = qRound(box.bottom());  // exclusive
      const QRect edges[] = {{left, top, right - left, line},
                             {left, bottom - line, right - left, line},
                             {left, top, line, bottom - top},
                             {right - line, top, line, bottom - top}};
      for (const QRect& edge : edges) painter.fillRect(toPage.mapRect(QRectF(edge)), ink);
    }
  }
};

}  // namespace

QWidget* add(QWidget* page) {
  auto* outline = new Outline(page);
  outline->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (page->findChild<Painter*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
    new Painter(page);
  }
  Painter::raiseOutlines(page);
  return outline;
}

}  // namespace outlines

#include "outlines.moc"
