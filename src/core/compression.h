#pragma once

#include "core/checked.h"
#include "core/constants.h"

// Displacement, quench distance and compression ratio from the engine's
// dimensions. Lengths in inches, chamber and piston volumes in cubic
// centimetres; every volume in between is in cubic inches.
namespace core {

inline constexpr double kCubicCentimetresPerCubicInch = 16.387064;
// The double nearest 61.02374409.
inline constexpr double kCubicInchesPerLitre = 61.02374409;

// Chamber and piston volume Vcp = Vc/16.387064 + Vp'/16.387064, with
// Vp' = -Vp for a dome (it fills part of the chamber) and Vp for a flat top
// or dish. Two divisions, then the sum: dividing the sum once would differ
// in the last bit for many inputs.
Checked chamber_and_piston_volume(Checked chamber_cc, Checked piston_cc, bool dome);

// The volume of a cylinder ((0.25*diameter)*diameter)*pi*height, multiplied
// strictly left to right. Swept volume Vs: bore and stroke; gasket volume
// Vg: gasket bore and gasket thickness; deck volume Vd: bore (not the gasket
// bore) and deck clearance, negative when the piston stands above the deck.
Checked swept_volume(Checked bore, Checked stroke);
Checked gasket_volume(Checked gasket_bore, Checked gasket_thickness);
Checked deck_volume(Checked bore, Checked deck_clearance);

// Displacement of all cylinders in cubic inches: Vs * n.
Checked displacement(Checked swept, Checked cylinders);

// Litres from the cubic inches as displayed (read back from their text), so
// the two figures agree: "355.115153208698" -> 5.81929474345202, where the
// unrounded cubic inches would give 5.81929474345201.
Checked litres(Checked displayed_cubic_inches);

// Vt = ((Vs + Vcp) + Vg) + Vd and Vcl = (Vcp + Vg) + Vd, in this grouping.
Checked total_volume(Checked swept, Checked chamber_and_piston, Checked gasket, Checked deck);
Checked clearance_volume(Checked chamber_and_piston, Checked gasket, Checked deck);

// Vt / Vcl. A clearance volume of zero or less (a dome larger than the
// space above the piston, or the piston far above the deck) gives no ratio:
// Fault::division_by_zero.
Checked compression_ratio(Checked total, Checked clearance);

// Quench distance: deck clearance plus gasket thickness.
Checked quench_distance(Checked deck_clearance, Checked gasket_thickness);

}  // namespace core
