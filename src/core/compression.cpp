#include "core/compression.h"

namespace core {

namespace {

Checked cylinder_volume(Checked diameter, Checked height) {
  return (((0.25 * diameter) * diameter) * kPi) * height;
}

}  // namespace

Checked chamber_and_piston_volume(Checked chamber_cc, Checked piston_cc, bool dome) {
  const Checked piston = dome ? -piston_cc : piston_cc;
  return (chamber_cc / kCubicCentimetresPerCubicInch) + (piston / kCubicCentimetresPerCubicInch);
}

Checked swept_volume(Checked bore, Checked stroke) { return cylinder_volume(bore, stroke); }

Checked gasket_volume(Checked gasket_bore, Checked gasket_thickness) {
  return cylinder_volume(gasket_bore, gasket_thickness);
}

Checked deck_volume(Checked bore, Checked deck_clearance) {
  return cylinder_volume(bore, deck_clearance);
}

Checked displacement(Checked swept, Checked cylinders) { return swept * cylinders; }

Checked litres(Checked displayed_cubic_inches) {
  return displayed_cubic_inches / kCubicInchesPerLitre;
}

Checked total_volume(Checked swept, Checked chamber_and_piston, Checked gasket, Checked deck) {
  return ((swept + chamber_and_piston) + gasket) + deck;
}

Checked clearance_volume(Checked chamber_and_piston, Checked gasket, Checked deck) {
  return (chamber_and_piston + gasket) + deck;
}

Checked compression_ratio(Checked total, Checked clearance) {
  // Below zero the clearance volume is no more a space to compress into
  // than none at all, and a ratio of it would mean nothing.
  if (clearance.ok() && clearance.value() < 0.0) return total / 0.0;
  return total / clearance;
}

Checked quench_distance(Checked deck_clearance, Checked gasket_thickness) {
  return deck_clearance + gasket_thickness;
}

}  // namespace core
