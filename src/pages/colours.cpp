// The two colour schemes a field's design can fix, and the desktop's
// colours for the others.
#include "pages/colours.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>
#include <cstdlib>

namespace colours {
namespace {

// Whether a field's fill tells it from its page at a glance: on a light page
// it is lighter than the page (the design's white fields on the button face
// are), on a dark one clearly lighter or darker. GNOME's GTK theme fills
// fields with the page's own colour, or a shade darker on a light page.
bool standsOut(const QColor& fill, const QColor& page) {
  const int step = fill.lightness() - page.lightness();
  return page.lightness() >= 128 ? step >= 4 : std::abs(step) >= 12;
}

// Gives a field that follows the desktop's colours the fill a field has on
// most desktops where the desktop's own does not stand out: white on a light
// page, a darker shade on a dark one. Done again whenever the desktop's
// palette changes, light to dark or back.
class Fill : public QObject {
 public:
  explicit Fill(QLineEdit* field) : QObject(field) {
    field->installEventFilter(this);
    refill(field);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ApplicationPaletteChange) refill(static_cast<QLineEdit*>(watched));
    return false;
  }

 private:
  static void refill(QLineEdit* field) {
    const QColor fill = QApplication::palette(field).color(QPalette::Base);
    // Pages have the button face.
    const QColor page = QApplication::palette().color(QPalette::Button);
    if (standsOut(fill, page)) {
      field->setPalette(QPalette());  // the desktop's, unchanged
      return;
    }
    QPalette p;
    p.setColor(QPalette::Base, page.lightness() >= 128 ? QColor(Qt::white) : page.darker(150));
    field->setPalette(p);
  }
};

}  // namespace

void paint(QLineEdit* field, design::Paint paint) {
  if (paint == design::Paint::Platform) {
    new Fill(field);
    return;
  }
  QPalette p = field->palette();
  p.setColor(QPalette::Text, paint == design::Paint::GreenText ? QColor(0, 128, 0) : Qt::black);
  p.setColor(QPalette::Base, Qt::white);
  field->setPalette(p);
}

}  // namespace colours
