#pragma once

#include "core/checked.h"
#include "core/constants.h"

// The dynamic stroke length: how far the piston travels from the moment the
// intake valve closes up to top dead centre.
namespace core {

// Closing angle in crank degrees to radians. The radians pass through text
// (format_number, then parse_value), so the angle carries the 15 significant
// digits a user would see: 60 -> 1.0471975511966, 36 -> 0.628318530717958.
Checked closing_angle_radians(Checked degrees);

// Stroke S, rod length L, closing angle theta in radians, grouped exactly as
//   x = (S*0.5)*sin(theta)   y = (S*0.5)*cos(theta)
//   z = sqrt(L*L - x*x)      w = z - y
//   DST = S - ((w + S*0.5) - L)
// A rod too short for the crank makes the square root fail (Fault::invalid).
Checked dynamic_stroke_length(Checked stroke, Checked rod, Checked theta);

// Distance of the piston from bottom dead centre: S - DST, where DST is the
// dynamic stroke length as displayed (read back from its text).
Checked distance_from_bdc(Checked stroke, Checked displayed_dst);

// Closing angles accepted by the calculation, inclusive.
inline constexpr double kMinClosingAngle = 23.0;
inline constexpr double kMaxClosingAngle = 89.0;

}  // namespace core
