#include "core/dynamic_stroke.h"

#include "core/numeric_text.h"

namespace core {

Checked closing_angle_radians(Checked degrees) {
  const Checked k = Checked(kPi) / 180.0;
  const Checked p = degrees * k;
  if (!p.ok()) return p;
  return parse_value(format_number(p.value()));
}

Checked dynamic_stroke_length(Checked stroke, Checked rod, Checked theta) {
  const Checked x = (stroke * 0.5) * sin(theta);
  const Checked y = (stroke * 0.5) * cos(theta);
  const Checked q = (rod * rod) - (x * x);
  const Checked z = sqrt(q);
  const Checked w = z - y;
  return stroke - ((w + (stroke * 0.5)) - rod);
}

Checked distance_from_bdc(Checked stroke, Checked displayed_dst) { return stroke - displayed_dst; }

}  // namespace core
