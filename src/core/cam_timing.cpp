#include "core/cam_timing.h"

#include <initializer_list>

namespace core {

Fault CamIntermediates::fault() const {
  for (const Checked& c : {half_intake, half_exhaust, centreline_to_bdc, exhaust_centreline}) {
    if (!c.ok()) return c.fault();
  }
  return Fault::none;
}

CamIntermediates cam_intermediates(const CamCard& card) {
  return {
      .half_intake = card.intake_duration * 0.5,
      .half_exhaust = card.exhaust_duration * 0.5,
      .centreline_to_bdc = 180.0 - card.intake_centreline,
      .exhaust_centreline = (card.lobe_separation * 2.0) - card.intake_centreline,
  };
}

CamEvents cam_events(const CamCard& card, const CamIntermediates& m) {
  return {
      .advance = card.lobe_separation - card.intake_centreline,
      .intake_opens = m.half_intake - card.intake_centreline,
      .intake_closes = m.half_intake - m.centreline_to_bdc,
      .exhaust_closes = m.half_exhaust - m.exhaust_centreline,
      .exhaust_opens = (m.half_exhaust + m.exhaust_centreline) - 180.0,
  };
}

Checked valve_overlap(Checked exhaust_closes_shown, Checked intake_opens_shown) {
  return exhaust_closes_shown + intake_opens_shown;
}

}  // namespace core
