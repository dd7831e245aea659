// The dynamic stroke page's formulas on any stroke, rod length and closing
// angle in degrees (no range check here, so every angle reaches the
// formulas): every step either fails with a fault or gives a finite number,
// and every result the page would write reads back through its text.
//   input: "stroke rod degrees", e.g. "3.48 5.7 60"

#include "core/dynamic_stroke.h"

#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<double> in = fuzz::read_numbers(fuzz::as_text(data, size));
  if (in.size() < 3) return 0;
  const core::Checked stroke = in[0];
  const core::Checked rod = in[1];
  const core::Checked degrees = in[2];

  const core::Checked theta = core::closing_angle_radians(degrees);
  fuzz::check_checked(theta, "closing angle in radians");
  const core::Checked dst = core::dynamic_stroke_length(stroke, rod, theta);
  fuzz::check_checked(dst, "dynamic stroke length");
  if (!dst.ok()) return 0;
  const double shown_dst = fuzz::check_written(dst.value());

  const core::Checked bdc = core::distance_from_bdc(stroke, shown_dst);
  fuzz::check_checked(bdc, "distance from BDC");
  if (bdc.ok()) fuzz::check_written(bdc.value());
  return 0;
}
