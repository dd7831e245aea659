#include "core/compression.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "core/numeric_text.h"
#include "outcome_text.h"

namespace {

// 8 cylinders, bore 4.030, stroke 3.480, chamber 64 cc, gasket 0.039 thick
// and 4.100 bore, deck clearance 0.010, piston 5 cc, flat or dished.
struct Engine {
  const char *cylinders = "8", *bore = "4.030", *stroke = "3.480", *chamber = "64",
             *gasket_thickness = "0.039", *gasket_bore = "4.100", *deck = "0.010", *piston = "5";
  bool dome = false;
};
constexpr Engine kExample{};

struct Shown {
  std::string cubic_inches, litres, ratio, quench;
};

// Calculate on the page with the engine's texts in its fields.
core::Outcome run(const Engine& e) {
  return core::calculate_compression({
      field(e.cylinders),
      field(e.bore),
      field(e.stroke),
      field(e.chamber),
      field(e.gasket_thickness),
      field(e.gasket_bore),
      field(e.deck),
      field(e.piston),
      e.dome,
  });
}

Shown calculate(const Engine& e) {
  const core::Outcome out = run(e);
  EXPECT_EQ(controls(out), "txt_DispIN txt_DispCC txt_CR1 txt_quench lab_CR1") << e.bore;
  return {written(out, "txt_DispIN"), written(out, "txt_DispCC"), written(out, "txt_CR1"),
          written(out, "txt_quench")};
}

std::uint64_t bits(double d) { return std::bit_cast<std::uint64_t>(d); }

TEST(Compression, ConstantsAreTheDesignedDoubles) {
  EXPECT_EQ(bits(core::kCubicCentimetresPerCubicInch), 0x40306316A055757Du);
  EXPECT_EQ(bits(core::kCubicInchesPerLitre), 0x404E830A0BDD02FBu);
  // The 15-digit pi, not the double nearest pi (...2D18).
  EXPECT_EQ(bits(core::kPi), 0x400921FB54442D11u);
}

TEST(Compression, WorkedExampleIntermediates) {
  // The example engine, flat or dished.
  const core::Checked vcp = core::chamber_and_piston_volume(64, 5, false);
  const core::Checked vs = core::swept_volume(4.030, 3.480);
  const core::Checked vg = core::gasket_volume(4.100, 0.039);
  const core::Checked vd = core::deck_volume(4.030, 0.010);
  EXPECT_EQ(vcp.value(), 4.210638342536528);
  EXPECT_EQ(vs.value(), 44.389394151087195);
  EXPECT_EQ(core::displacement(vs, 8).value(), 355.11515320869756);
  EXPECT_EQ(vg.value(), 0.5148991819417326);
  EXPECT_EQ(vd.value(), 0.12755573031921608);
  EXPECT_EQ(core::total_volume(vs, vcp, vg, vd).value(), 49.242487405884674);
  EXPECT_EQ(core::clearance_volume(vcp, vg, vd).value(), 4.853093254797477);

  const core::Checked dome = core::chamber_and_piston_volume(64, 5, true);
  EXPECT_EQ(dome.value(), 3.600400901589205);
  EXPECT_EQ(core::clearance_volume(dome, vg, vd).value(), 4.242855813850154);
}

TEST(Compression, ChamberAndPistonAreDividedSeparately) {
  // 70/16.387064 + 3/16.387064 ends ...458; (70+3)/16.387064 would end ...457.
  EXPECT_EQ(core::chamber_and_piston_volume(70, 3, false).value(), 4.454733318915458);
  EXPECT_EQ(core::chamber_and_piston_volume(58, 3, false).value(), 3.7224483897786693);
}

TEST(Compression, LitresComeFromTheDisplayedCubicInches) {
  EXPECT_EQ(core::format_number(core::litres(core::parse_value("355.115153208698")).value()),
            "5.81929474345202");
  // The unrounded product would show one digit less in the last place.
  EXPECT_EQ(core::format_number(core::litres(355.11515320869756).value()), "5.81929474345201");
}

TEST(Compression, ShownResults) {
  auto with = [](auto change) {
    Engine e = kExample;
    change(e);
    return e;
  };
  const struct {
    const char* name;
    Engine engine;
    Shown expected;
  } cases[] = {
      {"flat", kExample, {"355.115153208698", "5.81929474345202", "10.1466188306203", "0.049"}},
      {"dome",
       with([](Engine& e) { e.dome = true; }),
       {"355.115153208698", "5.81929474345202", "11.4621500467173", "0.049"}},
      {"4 cylinders change only the displacement",
       with([](Engine& e) { e.cylinders = "4"; }),
       {"177.557576604349", "2.90964737172601", "10.1466188306203", "0.049"}},
      // The dynamic stroke length of stroke 3.48, rod 5.7, closing at 60;
      // the litres' fifteenth digit is 0 and dropped.
      {"dynamic stroke",
       with([](Engine& e) { e.stroke = "2.81279161755714"; }),
       {"287.030151210616", "4.7035814581828", "8.39296918843655", "0.049"}},
      {"piston above the deck",
       with([](Engine& e) { e.deck = "-0.005"; }),
       {"355.115153208698", "5.81929474345202", "10.5220254571371", "0.034"}},
      {"dome of 0",
       with([](Engine& e) { e.piston = "0", e.dome = true; }),
       {"355.115153208698", "5.81929474345202", "10.7602556514066", "0.049"}},
      {"flat of 0",
       with([](Engine& e) { e.piston = "0"; }),
       {"355.115153208698", "5.81929474345202", "10.7602556514066", "0.049"}},
      // Ordinary engines whose last digit pins the grouping of every sum and
      // product. Here the total volume regrouped as (Vs + (Vcp + Vg)) + Vd,
      // Vs + Vcl or (Vs + Vcp) + (Vg + Vd) would show ...952.
      {"grouping of the total volume",
       {"8", "3.202", "4.271", "72.9", "0.030", "3.252", "0.002", "13"},
       {"275.13896227977", "4.50871978412182", "7.24495562389953", "0.032"}},
      // ((Vs + Vg) + Vcp) + Vd, Vcp + (Vg + Vd), or the bore times pi first
      // in the swept volume: ...905.
      {"order of the sum, chamber first",
       {"8", "3.54", "3.709", "58.2", "0.057", "3.556", "0.011", "8.8"},
       {"292.04059576813", "4.7856879338216", "8.66438378652906", "0.068"}},
      // ((Vs + Vcp) + Vd) + Vg, (Vcp + Vd) + Vg, or pi times the deck
      // clearance first: ...851.
      {"order of the sum, gasket before deck",
       {"8", "3.399", "2.9", "64", "0.054", "3.456", "0.025", "19"},
       {"210.513618044868", "3.44970013204032", "5.53820088137852", "0.079"}},
      // pi times the stroke, or pi times the gasket thickness, first: ...677.
      {"left to right in the cylinder volumes",
       {"8", "3.791", "4.166", "73.9", "0.036", "3.876", "0.02", "1.5"},
       {"376.189528787867", "6.16464188485468", "9.95396671929676", "0.056"}},
      // Squaring the bore first would underflow and show 7.05130489744627E-20.
      {"left to right with a tiny bore",
       with([](Engine& e) { e.bore = "1.06E-160", e.stroke = "1E300"; }),
       {"7.06711499811319E-20", "1.15809265778422E-21", "1", "0.049"}},
  };
  for (const auto& c : cases) {
    const Shown shown = calculate(c.engine);
    EXPECT_EQ(shown.cubic_inches, c.expected.cubic_inches) << c.name;
    EXPECT_EQ(shown.litres, c.expected.litres) << c.name;
    EXPECT_EQ(shown.ratio, c.expected.ratio) << c.name;
    EXPECT_EQ(shown.quench, c.expected.quench) << c.name;
  }
}

// No ratio where nothing or less than nothing is left above the piston: a
// dome larger than that space, or the piston far above the deck. The
// displacement is shown, the rest keeps what it showed.
TEST(Compression, NoRatioWithoutClearance) {
  Engine dome = kExample, deck = kExample;
  dome.piston = "200", dome.dome = true;  // once a ratio of -4.79740142532814
  deck.deck = "-0.5";
  for (const Engine& e : {dome, deck}) {
    const core::Outcome out = run(e);
    EXPECT_EQ(controls(out), "txt_DispIN txt_DispCC");
    EXPECT_EQ(out.message, core::kZeroClearance);
  }
}

TEST(Compression, ZeroClearanceIsADivisionByZero) {
  const core::Checked vs = core::swept_volume(4.03, 3.48);
  const core::Checked nothing = core::clearance_volume(0.0, 0.0, 0.0);
  EXPECT_EQ(core::compression_ratio(core::total_volume(vs, 0.0, 0.0, 0.0), nothing).fault(),
            core::Fault::division_by_zero);
  // 0/0 with no stroke either.
  EXPECT_EQ(core::compression_ratio(0.0, nothing).fault(), core::Fault::division_by_zero);
  // A dome that exactly fills the chamber.
  const core::Checked cancelled = core::chamber_and_piston_volume(64, 64, true);
  EXPECT_EQ(cancelled.value(), 0.0);
  EXPECT_EQ(core::compression_ratio(vs, core::clearance_volume(cancelled, 0.0, 0.0)).fault(),
            core::Fault::division_by_zero);
}

TEST(Compression, Overflow) {
  // 0.25 * 1E155 * 1E155 already leaves the double range.
  EXPECT_EQ(core::swept_volume(1e155, 3.48).fault(), core::Fault::overflow);
  EXPECT_EQ(core::gasket_volume(1e155, 0.039).fault(), core::Fault::overflow);
  EXPECT_EQ(core::displacement(1e308, 8).fault(), core::Fault::overflow);
  // A number typed beyond the range reads as infinity.
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(core::chamber_and_piston_volume(inf, 5, false).fault(), core::Fault::overflow);
  EXPECT_EQ(core::chamber_and_piston_volume(64, inf, true).fault(), core::Fault::overflow);
  EXPECT_EQ(core::quench_distance(1.7e308, 1.7e308).fault(), core::Fault::overflow);
  EXPECT_EQ(core::compression_ratio(1e300, 1e-300).fault(), core::Fault::overflow);
  // Underflow is no failure.
  EXPECT_TRUE(core::deck_volume(1e-200, 1e-200).ok());
}

}  // namespace
