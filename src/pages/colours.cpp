// The two colour schemes a field's design can fix.
#include "pages/colours.h"

#include <QLineEdit>
#include <QPalette>

namespace colours {

void paint(QLineEdit* field, design::Paint paint) {
  if (paint == design::Paint::Platform) return;
  QPalette p = field->palette();
  p.setColor(QPalette::Text, paint == design::Paint::GreenText ? QColor(0, 128, 0) : Qt::black);
  p.setColor(QPalette::Base, Qt::white);
  field->setPalette(p);
}

}  // namespace colours
