// The compression ratio page's formulas on any cylinder count, bore, stroke,
// chamber volume, gasket thickness and bore, deck clearance and piston
// volume, flat or domed, in the page's order of writes: cubic inches, litres
// from the cubic inches as shown, ratio, quench. Every step fails with a
// fault or gives a finite number, and every text written reads back.
//   input: "cylinders bore stroke chamber gasket-thickness gasket-bore deck
//   piston [dome]", e.g. "8 4.030 3.480 64 0.039 4.100 0.010 5 1"; a ninth
//   number other than 0 selects the dome.

#include "core/compression.h"

#include <cstdint>

#include "fuzz_support.h"

namespace {

bool step(const core::Checked& c, const char* what) {
  fuzz::check_checked(c, what);
  return c.ok();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<double> in = fuzz::read_numbers(fuzz::as_text(data, size));
  if (in.size() < 8) return 0;
  const core::Checked cylinders = in[0];
  const core::Checked bore = in[1];
  const core::Checked stroke = in[2];
  const core::Checked chamber = in[3];
  const core::Checked gasket_thickness = in[4];
  const core::Checked gasket_bore = in[5];
  const core::Checked deck = in[6];
  const core::Checked piston = in[7];
  const bool dome = in.size() > 8 && in[8] != 0.0;

  const core::Checked vcp = core::chamber_and_piston_volume(chamber, piston, dome);
  if (!step(vcp, "chamber and piston volume")) return 0;
  const core::Checked vs = core::swept_volume(bore, stroke);
  if (!step(vs, "swept volume")) return 0;
  const core::Checked cubic_inches = core::displacement(vs, cylinders);
  if (!step(cubic_inches, "displacement")) return 0;
  const double shown_cubic_inches = fuzz::check_written(cubic_inches.value());

  const core::Checked litres = core::litres(shown_cubic_inches);
  if (!step(litres, "litres")) return 0;
  fuzz::check_written(litres.value());

  const core::Checked vg = core::gasket_volume(gasket_bore, gasket_thickness);
  if (!step(vg, "gasket volume")) return 0;
  const core::Checked vd = core::deck_volume(bore, deck);
  if (!step(vd, "deck volume")) return 0;
  const core::Checked total = core::total_volume(vs, vcp, vg, vd);
  fuzz::check_checked(total, "total volume");
  const core::Checked clearance = core::clearance_volume(vcp, vg, vd);
  fuzz::check_checked(clearance, "clearance volume");
  const core::Checked ratio = core::compression_ratio(total, clearance);
  if (!step(ratio, "compression ratio")) return 0;
  fuzz::check_written(ratio.value());

  const core::Checked quench = core::quench_distance(deck, gasket_thickness);
  if (step(quench, "quench distance")) fuzz::check_written(quench.value());
  return 0;
}
