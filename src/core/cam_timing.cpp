#include "core/cam_timing.h"

#include <initializer_list>
#include <limits>

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

Checked cam_event(CamEvent event, const CamCard& card, const CamIntermediates& m) {
  switch (event) {
    case CamEvent::advance:
      return card.lobe_separation - card.intake_centreline;
    case CamEvent::intake_opens:
      return m.half_intake - card.intake_centreline;
    case CamEvent::intake_closes:
      return m.half_intake - m.centreline_to_bdc;
    case CamEvent::exhaust_closes:
      return m.half_exhaust - m.exhaust_centreline;
    case CamEvent::exhaust_opens:
      return (m.half_exhaust + m.exhaust_centreline) - 180.0;
  }
  // Not reached: every event has its case. A NaN reads as a failed step.
  return std::numeric_limits<double>::quiet_NaN();
}

Checked valve_overlap(Checked exhaust_closes_shown, Checked intake_opens_shown) {
  return exhaust_closes_shown + intake_opens_shown;
}

}  // namespace core
