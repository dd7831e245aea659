#include "core/cam_timing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "outcome_text.h"

namespace {

using core::Fault;

// Calculate on the cam timing page with these texts in txt_i_dur, txt_e_dur,
// txt_LSA and txt_ILC.
core::Outcome calculate(const char* id, const char* ed, const char* lsa, const char* ilc) {
  return core::calculate_cam_timing({field(id), field(ed), field(lsa), field(ilc)});
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
    const char *id, *ed, *lsa, *ilc;
    std::array<const char*, 5> events;  // ADV, I_Open, I_Close, E_Close, E_Open
    const char* overlap;
  } cases[] = {
      {"270", "280", "110", "106", {"4", "29", "61", "26", "74"}, "55"},
      {"284", "290", "112", "108.5", {"3.5", "33.5", "70.5", "29.5", "80.5"}, "63"},
      // Centreline beyond the separation angle: the cam is retarded.
      {"270", "270", "108", "112", {"-4", "23", "67", "31", "59"}, "54"},
      // Short durations: negative events and overlap, nothing checks them.
      {"200", "200", "115", "115", {"0", "-15", "35", "-15", "35"}, "-30"},
      {"0", "0", "0", "0", {"0", "0", "-180", "0", "-180"}, "0"},
      // Measured durations, where the exhaust events show their grouping:
      // (HE + ILC) - LSA*2 would show 6.35000000000002, and HE + (ECL - 180)
      // or (HE - 180) + ECL would show 93.69.
      {"317.01",
       "280.04",
       "117.5",
       "101.33",
       {"16.17", "57.175", "79.835", "6.34999999999999", "93.6900000000001"},
       "63.525"},
      // The overlap is summed from the events as shown: the unrounded
      // doubles would give -3.02500000000001.
      {"201.5",
       "262.45",
       "117.5",
       "104.87",
       {"12.63", "-4.12", "25.62", "1.095", "81.355"},
       "-3.025"},
      // Summed from the exhaust closing as shown: its unrounded double
      // would give 2.11012384813902.
      {"218.805587255078",
       "186.4052",
       "100.2476348897",
       "95.436445",
       {"4.81118988969999", "13.966348627539", "24.839238627539", "-11.8562247794",
        "18.2614247794"},
       "2.110123848139"},
      // A 64-bit pattern is read with one rounding; rounded twice it would
      // show 9.62495019503679E+18.
      {"270",
       "280",
       "&H8592B1350BFEB405",
       "0",
       {"9.6249501950368E+18", "135", "-45", "-1.92499003900736E+19", "1.92499003900736E+19"},
       "-1.92499003900736E+19"},
  };
  const char* const kEvents[] = {"txt_ADV", "txt_I_Open", "txt_I_Close", "txt_E_Close",
                                 "txt_E_Open"};
  for (const auto& c : cases) {
    const core::Outcome out = calculate(c.id, c.ed, c.lsa, c.ilc);
    EXPECT_EQ(controls(out),
              "txt_ADV txt_I_Open txt_I_Close txt_E_Close txt_E_Open txt_overlap txt_IVA "
              "Txt_AID_a");
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(written(out, kEvents[i]), c.events[i])
          << c.id << ' ' << c.ed << ' ' << c.lsa << ' ' << c.ilc << ' ' << kEvents[i];
    }
    EXPECT_EQ(written(out, "txt_overlap"), c.overlap) << c.id << ' ' << c.ed << ' ' << c.lsa;
    // The hand-over: the closing angle as shown, the duration as typed.
    EXPECT_EQ(written(out, "txt_IVA"), c.events[2]);
    EXPECT_EQ(written(out, "Txt_AID_a"), c.id);
  }
}

// U+0131, whose low byte is the digit 1, ends the number: "270ı" reads as
// 270, not 2701.
TEST(CamTiming, ACharacterBeyondAsciiEndsTheNumber) {
  const core::Outcome out = core::calculate_cam_timing({u"270\u0131", u"280", u"110", u"106"});
  EXPECT_EQ(written(out, "txt_I_Open"), "29");
}

TEST(CamTiming, IntakeClosingIsComputedAsWritten) {
  // HI - B gives 61.45; the closed form (ILC + ID/2) - 180 would give
  // 61.44999999999999.
  const core::CamCard card{270.3, 280, 110, 106.3};
  EXPECT_EQ(core::cam_events(card, core::cam_intermediates(card)).intake_closes.value(), 61.45);
}

TEST(CamTiming, OverflowStopsAtTheFailingStep) {
  const struct {
    const char *id, *ed, *lsa, *ilc;
    const char* written;
  } cases[] = {
      // A number beyond the range, or 1E308 doubled, fails among the
      // intermediates, before any result.
      {"1E400", "280", "110", "106", ""},
      {"270", "1E400", "110", "106", ""},
      {"270", "280", "1E400", "106", ""},
      {"270", "280", "110", "1E400", ""},
      {"270", "280", "1E308", "106", ""},
      // Finite intermediates, but one event beyond the double range; the
      // events before it are written.
      {"1.7E308", "0", "0", "-1.7E308", "txt_ADV"},          // I_Open = 0.85E308 + 1.7E308
      {"1.7E308", "0", "0", "1E308", "txt_ADV txt_I_Open"},  // I_Close = 0.85E308 - (180 - 1E308)
      {"0", "1.7E308", "0", "1E308", "txt_ADV txt_I_Open txt_I_Close"},               // E_Close
      {"0", "1.7E308", "0", "-1E308", "txt_ADV txt_I_Open txt_I_Close txt_E_Close"},  // E_Open
      // All five events fit; their displayed sum 1.05E308 + 1.65E308 does not.
      {"1.7E308", "1.7E308", "-5E307", "-8E307",
       "txt_ADV txt_I_Open txt_I_Close txt_E_Close txt_E_Open"},
  };
  for (const auto& c : cases) {
    const core::Outcome out = calculate(c.id, c.ed, c.lsa, c.ilc);
    EXPECT_EQ(controls(out), c.written) << c.id << ' ' << c.ed << ' ' << c.lsa << ' ' << c.ilc;
    EXPECT_EQ(out.message, core::kTooLarge);
  }
  EXPECT_EQ(core::valve_overlap(1.05e308, 1.7e308).fault(), Fault::overflow);
  EXPECT_TRUE(core::valve_overlap(1.7e308, -1.7e308).ok());
}

}  // namespace
