#pragma once

#include "core/checked.h"

// Valve events, total cam advance and overlap from a cam card: advertised
// (seat-to-seat) durations, lobe separation angle and intake lobe
// centreline. All angles in crank degrees.
namespace core {

// The four figures as read from the page.
struct CamCard {
  Checked intake_duration;    // ID
  Checked exhaust_duration;   // ED
  Checked lobe_separation;    // LSA
  Checked intake_centreline;  // ILC
};

// What the valve events are measured from. Every input takes part in one
// of these, so a number typed beyond the double range fails here already,
// before any result exists.
struct CamIntermediates {
  Checked half_intake;         // HI  = ID * 0.5
  Checked half_exhaust;        // HE  = ED * 0.5
  Checked centreline_to_bdc;   // B   = 180 - ILC
  Checked exhaust_centreline;  // ECL = (LSA * 2) - ILC

  // The first failure in the order above, Fault::none when all four hold.
  Fault fault() const;
};

CamIntermediates cam_intermediates(const CamCard& card);

// The five results, in the order the page writes them; it stops at the
// first that fails. All angles in crank degrees.
struct CamEvents {
  Checked advance;         // LSA - ILC; negative: the cam is retarded
  Checked intake_opens;    // HI - ILC, before top dead centre
  Checked intake_closes;   // HI - B, after bottom dead centre: ILC + ID/2 - 180
                           // in closed form, but computed as written
  Checked exhaust_closes;  // HE - ECL, after top dead centre
  Checked exhaust_opens;   // (HE + ECL) - 180, before bottom dead centre
};

CamEvents cam_events(const CamCard& card, const CamIntermediates& m);

// Valve overlap from the two events as displayed (read back from their
// text), so it always agrees with the figures the user sees.
Checked valve_overlap(Checked exhaust_closes_shown, Checked intake_opens_shown);

}  // namespace core
