#include "core/dynamic_stroke.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "core/numeric_text.h"

namespace {

// The page's whole chain: angle through text, DST, DST through text, BDC.
struct Shown {
  std::string dst;
  std::string bdc;
};
Shown calculate(double stroke, double rod, double degrees) {
  const core::Checked theta = core::closing_angle_radians(degrees);
  const core::Checked dst = core::dynamic_stroke_length(stroke, rod, theta);
  EXPECT_TRUE(dst.ok());
  const std::string dst_text = core::format_number(dst.value());
  const core::Checked bdc = core::distance_from_bdc(stroke, core::parse_value(dst_text));
  EXPECT_TRUE(bdc.ok());
  return {dst_text, core::format_number(bdc.value())};
}

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
    double stroke, rod, angle;
    const char* dst;
    const char* bdc;
  } cases[] = {
      // With the unrounded angle these would end ...715 and ...285.
      {3.48, 5.7, 60, "2.81279161755714", "0.66720838244286"},
      {3.48, 5.7, 23, "3.38236984402065", "0.09763015597935"},
      {3.48, 5.7, 89, "2.04235446005492", "1.43764553994508"},
      // With the full-precision pi these would end ...755 and ...245.
      {4, 6.25, 50, "3.47626802756756", "0.52373197243244"},
      {0, 5.7, 60, "0", "0"},
      // The last step's grouping, S - ((w + S*0.5) - L): S - (w + (S*0.5 - L)),
      // ((S - w) - S*0.5) + L or (S*0.5 + L) - w would end ...987 and ...013.
      {3.521, 5.471, 75, "2.48714145592986", "1.03385854407014"},
      // (S - (w + S*0.5)) + L, or w's subtraction moved: ...142 and ...858.
      {3.22, 7.112, 52, "2.71529020237141", "0.50470979762859"},
  };
  for (const auto& c : cases) {
    const Shown shown = calculate(c.stroke, c.rod, c.angle);
    EXPECT_EQ(shown.dst, c.dst) << c.stroke << ' ' << c.rod << ' ' << c.angle;
    EXPECT_EQ(shown.bdc, c.bdc) << c.stroke << ' ' << c.rod << ' ' << c.angle;
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
