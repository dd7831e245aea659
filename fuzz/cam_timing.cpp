// The cam timing page's formulas on any intake and exhaust duration, lobe
// separation angle and intake centreline, in the page's order: the
// intermediates, the five events written one by one up to the first that
// fails, then the overlap from the two events as shown. Every step fails
// with a fault or gives a finite number, and every text written reads back.
//   input: "intake exhaust separation centreline", e.g. "270 280 110 106"

#include "core/cam_timing.h"

#include <array>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<double> in = fuzz::read_numbers(fuzz::as_text(data, size));
  if (in.size() < 4) return 0;
  const core::CamCard card{in[0], in[1], in[2], in[3]};

  const core::CamIntermediates m = core::cam_intermediates(card);
  for (const core::Checked& c :
       {m.half_intake, m.half_exhaust, m.centreline_to_bdc, m.exhaust_centreline}) {
    fuzz::check_checked(c, "cam intermediate");
  }
  if (m.fault() != core::Fault::none) return 0;

  constexpr std::array<core::CamEvent, 5> kWriteOrder{
      core::CamEvent::advance, core::CamEvent::intake_opens, core::CamEvent::intake_closes,
      core::CamEvent::exhaust_closes, core::CamEvent::exhaust_opens};
  std::array<double, 5> shown{};
  for (std::size_t i = 0; i < kWriteOrder.size(); ++i) {
    const core::Checked event = core::cam_event(kWriteOrder[i], card, m);
    fuzz::check_checked(event, "cam event");
    if (!event.ok()) return 0;
    shown[i] = fuzz::check_written(event.value());
  }
  const core::Checked overlap = core::valve_overlap(shown[3], shown[1]);
  fuzz::check_checked(overlap, "overlap");
  if (overlap.ok()) fuzz::check_written(overlap.value());
  return 0;
}
