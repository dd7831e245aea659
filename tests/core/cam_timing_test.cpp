#include "core/cam_timing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/numeric_text.h"

namespace {

using core::CamEvent;
using core::Fault;

constexpr std::array<CamEvent, 5> kWriteOrder{CamEvent::advance, CamEvent::intake_opens,
                                              CamEvent::intake_closes, CamEvent::exhaust_closes,
                                              CamEvent::exhaust_opens};

// The page's whole chain: five events as text, then the overlap summed from
// the intake-opens and exhaust-closes texts.
struct Shown {
  std::array<std::string, 5> events;  // write order
  std::string overlap;
};
Shown calculate(double id, double ed, double lsa, double ilc) {
  const core::CamCard card{id, ed, lsa, ilc};
  const core::CamIntermediates m = core::cam_intermediates(card);
  EXPECT_EQ(m.fault(), Fault::none);
  Shown shown;
  for (std::size_t i = 0; i < kWriteOrder.size(); ++i) {
    const core::Checked c = core::cam_event(kWriteOrder[i], card, m);
    EXPECT_TRUE(c.ok());
    shown.events[i] = core::format_number(c.value());
  }
  const core::Checked overlap =
      core::valve_overlap(core::parse_value(shown.events[3]), core::parse_value(shown.events[1]));
  EXPECT_TRUE(overlap.ok());
  shown.overlap = core::format_number(overlap.value());
  return shown;
}

TEST(CamTiming, IntermediatesOfTheFirstExample) {
  const core::CamIntermediates m = core::cam_intermediates({270, 280, 110, 106});
  EXPECT_EQ(m.half_intake.value(), 135);
  EXPECT_EQ(m.half_exhaust.value(), 140);
  EXPECT_EQ(m.centreline_to_bdc.value(), 74);
  EXPECT_EQ(m.exhaust_centreline.value(), 114);
}

TEST(CamTiming, WorkedExamples) {
  const struct {
    double id, ed, lsa, ilc;
    std::array<const char*, 5> events;  // ADV, I_Open, I_Close, E_Close, E_Open
    const char* overlap;
  } cases[] = {
      {270, 280, 110, 106, {"4", "29", "61", "26", "74"}, "55"},
      {284, 290, 112, 108.5, {"3.5", "33.5", "70.5", "29.5", "80.5"}, "63"},
      // Centreline beyond the separation angle: the cam is retarded.
      {270, 270, 108, 112, {"-4", "23", "67", "31", "59"}, "54"},
      // Short durations: negative events and overlap, nothing checks them.
      {200, 200, 115, 115, {"0", "-15", "35", "-15", "35"}, "-30"},
      {0, 0, 0, 0, {"0", "0", "-180", "0", "-180"}, "0"},
      // Measured durations, where the exhaust events show their grouping:
      // (HE + ILC) - LSA*2 would show 6.35000000000002, and HE + (ECL - 180)
      // or (HE - 180) + ECL would show 93.69.
      {317.01,
       280.04,
       117.5,
       101.33,
       {"16.17", "57.175", "79.835", "6.34999999999999", "93.6900000000001"},
       "63.525"},
  };
  for (const auto& c : cases) {
    const Shown shown = calculate(c.id, c.ed, c.lsa, c.ilc);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(shown.events[i], c.events[i])
          << c.id << ' ' << c.ed << ' ' << c.lsa << ' ' << c.ilc << " result " << i;
    }
    EXPECT_EQ(shown.overlap, c.overlap) << c.id << ' ' << c.ed << ' ' << c.lsa << ' ' << c.ilc;
  }
}

TEST(CamTiming, IntakeClosingIsComputedAsWritten) {
  // HI - B gives 61.45; the closed form (ILC + ID/2) - 180 would give
  // 61.44999999999999.
  const core::CamCard card{270.3, 280, 110, 106.3};
  const core::Checked closes =
      core::cam_event(CamEvent::intake_closes, card, core::cam_intermediates(card));
  EXPECT_EQ(closes.value(), 61.45);
}

TEST(CamTiming, OverlapUsesTheDisplayedFigures) {
  // 1/3 shown as 0.333333333333333 twice sums to 0.666666666666666, one
  // digit below the 0.666666666666667 of the unrounded doubles.
  const double shown = core::parse_value(core::format_number(1.0 / 3.0));
  EXPECT_EQ(core::format_number(core::valve_overlap(shown, shown).value()), "0.666666666666666");
}

TEST(CamTiming, InputsBeyondRangeFailBeforeAnyResult) {
  const double inf = core::parse_value("1E400");
  const core::CamCard cards[] = {
      {inf, 280, 110, 106},
      {270, inf, 110, 106},
      {270, 280, inf, 106},
      {270, 280, 110, inf},
      // 1E308 doubled leaves the double range.
      {270, 280, 1e308, 106},
  };
  for (const core::CamCard& card : cards) {
    EXPECT_EQ(core::cam_intermediates(card).fault(), Fault::overflow)
        << card.intake_duration.value() << ' ' << card.exhaust_duration.value() << ' '
        << card.lobe_separation.value() << ' ' << card.intake_centreline.value();
  }
}

TEST(CamTiming, OverflowStopsAtTheFailingEvent) {
  // Finite intermediates, but one event beyond the double range; the events
  // before it in write order still hold.
  const struct {
    core::CamCard card;
    std::size_t first_failing;
  } cases[] = {
      {{1.7e308, 0, 0, -1.7e308}, 1},  // I_Open = 0.85e308 + 1.7e308
      {{1.7e308, 0, 0, 1e308}, 2},     // I_Close = 0.85e308 - (180 - 1e308)
      {{0, 1.7e308, 0, 1e308}, 3},     // E_Close = 0.85e308 - (-1e308)
      {{0, 1.7e308, 0, -1e308}, 4},    // E_Open = (0.85e308 + 1e308) - 180
  };
  for (const auto& c : cases) {
    const core::CamIntermediates m = core::cam_intermediates(c.card);
    ASSERT_EQ(m.fault(), Fault::none);
    for (std::size_t i = 0; i < kWriteOrder.size(); ++i) {
      const core::Checked event = core::cam_event(kWriteOrder[i], c.card, m);
      if (i < c.first_failing) {
        EXPECT_TRUE(event.ok()) << "case " << c.first_failing << " result " << i;
      } else if (i == c.first_failing) {
        EXPECT_EQ(event.fault(), Fault::overflow) << "case " << c.first_failing;
      }
    }
  }
  EXPECT_EQ(core::valve_overlap(1.05e308, 1.7e308).fault(), Fault::overflow);
  EXPECT_TRUE(core::valve_overlap(1.7e308, -1.7e308).ok());
}

}  // namespace
