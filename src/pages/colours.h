#pragma once

#include "pages/design.h"

class QLineEdit;

// The colours the design fixes on a field, whatever the desktop's theme.
namespace colours {

// The design's green text, RGB 0, 128, 0, on white; or a white background
// with black text. A field whose design fixes one of its two colours gets
// the other from the design's classic default too, so no desktop theme can
// pair them badly: light text on the fixed white, or the fixed green on a
// dark field. Only these two roles are set on the field; the rest,
// selection colours included, keeps following the desktop palette, even
// when it changes while the window is open.
void paint(QLineEdit* field, design::Paint paint);

}  // namespace colours
