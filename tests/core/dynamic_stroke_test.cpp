#include "core/dynamic_stroke.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "core/trigonometry.h"
#include "outcome_text.h"

namespace {

TEST(DynamicStroke, PiIsTheFifteenDigitConstant) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(core::kPi), 0x400921FB54442D11u);
}

TEST(DynamicStroke, AngleIsRoundedThroughText) {
  EXPECT_EQ(core::closing_angle_radians(60.0).value(), 1.0471975511966);
  // the full-precision pi would give 0.628318530717959
  EXPECT_EQ(core::closing_angle_radians(36.0).value(), 0.628318530717958);
  // degrees * (pi / 180): (degrees * pi) / 180 would give ...382.
  EXPECT_EQ(core::closing_angle_radians(24.99).value(), 0.436157780073383);
}

TEST(DynamicStroke, WorkedExamples) {
  const struct {
    const char *stroke, *rod, *angle;
    const char* dst;
    const char* bdc;
  } cases[] = {
      // With the unrounded angle these would end ...715 and ...285.
      {"3.48", "5.7", "60", "2.81279161755714", "0.66720838244286"},
      {"3.48", "5.7", "23", "3.38236984402065", "0.09763015597935"},
      {"3.48", "5.7", "89", "2.04235446005492", "1.43764553994508"},
      // With the full-precision pi these would end ...755 and ...245.
      {"4", "6.25", "50", "3.47626802756756", "0.52373197243244"},
      {"0", "5.7", "60.0", "0", "0"},
      // The last step's grouping, S - ((w + S*0.5) - L): S - (w + (S*0.5 - L)),
      // ((S - w) - S*0.5) + L or (S*0.5 + L) - w would end ...987 and ...013.
      {"3.521", "5.471", "75", "2.48714145592986", "1.03385854407014"},
      // (S - (w + S*0.5)) + L, or w's subtraction moved: ...142 and ...858.
      {"3.22", "7.112", "52", "2.71529020237141", "0.50470979762859"},
      // Angles whose cosine the C library can miss by one unit in the last
      // place (glibc 2.36 on x86-64: 70.5 with its fused multiply-add code,
      // 69.79 without), which would end these ...672/...328 and ...664/...336.
      {"3.472", "6.877", "70.5", "2.51302464512673", "0.95897535487327"},
      {"4.411", "6.661", "69.79", "3.29712845057663", "1.11387154942337"},
  };
  for (const auto& c : cases) {
    const core::Outcome out =
        core::calculate_dynamic_stroke({field(c.stroke), field(c.rod), field(c.angle)});
    EXPECT_EQ(controls(out), "Txt_DST Txt_BDC txt_ICA_a") << c.stroke << ' ' << c.rod;
    EXPECT_EQ(written(out, "Txt_DST"), c.dst) << c.stroke << ' ' << c.rod << ' ' << c.angle;
    EXPECT_EQ(written(out, "Txt_BDC"), c.bdc) << c.stroke << ' ' << c.rod << ' ' << c.angle;
    EXPECT_EQ(written(out, "txt_ICA_a"), c.angle);
  }
}

// The exact sine and cosine rounded to the nearest double, worked out in
// 113-bit quad precision. The first four are closing angles through text
// (70.5, 69.79, 62.47 and 27.24 degrees) where glibc misses by one unit in
// the last place, the others cover each quadrant, both signs and the small
// arguments.
TEST(DynamicStroke, SineAndCosineAreCorrectlyRounded) {
  const struct {
    double x, sin, cos;
  } cases[] = {
      {0x1.3aff3cecf0126p+0, 0x1.e2a1e7d02fe97p-1, 0x1.55d1771e5bae3p-2},
      {0x1.37d320635353ep+0, 0x1.e07a41a597357p-1, 0x1.61c0c9d0f3ebbp-2},
      {0x1.171e5f20accap+0, 0x1.c606941de54dcp-1, 0x1.d94e5c87e8c08p-2},
      {0x1.e6d68412787cep-2, 0x1.d4b43908b8c0bp-2, 0x1.c737ba3ce1671p-1},
      {2.0, 0x1.d18f6ead1b446p-1, -0x1.aa22657537205p-2},
      {-3.0, -0x1.210386db6d55bp-3, -0x1.fae04be85e5d2p-1},
      {4.0, -0x1.837b9dddc1eaep-1, -0x1.4eaa606db24c1p-1},
      {5.5, -0x1.693c94e0ab057p-1, 0x1.6ad6c3c07d448p-1},
      {-1.0, -0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
      {1e5, 0x1.24daa9c527e96p-5, -0x1.ffac3841b3da7p-1},
      {0x1p-27, 0x1p-27, 1.0},
      {1e-9, 1e-9, 1.0},
      {0.0, 0.0, 1.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::sine(c.x), c.sin) << c.x;
    EXPECT_EQ(core::cosine(c.x), c.cos) << c.x;
  }
}

TEST(DynamicStroke, Failures) {
  const core::Checked theta = core::closing_angle_radians(60.0);
  // x is about 1.507: a rod of 1 cannot reach, the square root fails.
  EXPECT_EQ(core::dynamic_stroke_length(3.48, 1.0, theta).fault(), core::Fault::invalid);
  EXPECT_EQ(core::dynamic_stroke_length(3.48, 0.0, theta).fault(), core::Fault::invalid);
  EXPECT_EQ(core::dynamic_stroke_length(3.48, 1e200, theta).fault(), core::Fault::overflow);
  EXPECT_EQ(
      core::dynamic_stroke_length(std::numeric_limits<double>::infinity(), 5.7, theta).fault(),
      core::Fault::overflow);
  EXPECT_EQ(core::distance_from_bdc(1.7e308, -1.7e308).fault(), core::Fault::overflow);
  // Underflow is no failure.
  EXPECT_TRUE(core::dynamic_stroke_length(1e-300, 1e-300, theta).ok());
}

}  // namespace
