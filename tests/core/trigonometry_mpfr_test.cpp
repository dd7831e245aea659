// The program's sine and cosine against GNU MPFR: each result must be the
// exact value rounded to the nearest double, bit for bit.

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <random>

#include "core/dynamic_stroke.h"
#include "core/numeric_text.h"
#include "core/trigonometry.h"

namespace {

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

// f(x) rounded once to 53 bits, to nearest. No result here is subnormal.
class Reference {
 public:
  Reference() { mpfr_init2(value_, 53); }
  ~Reference() { mpfr_clear(value_); }
  Reference(const Reference&) = delete;
  Reference& operator=(const Reference&) = delete;

  double operator()(MpfrFunction f, double x) {
    mpfr_set_d(value_, x, MPFR_RNDN);
    f(value_, value_, MPFR_RNDN);
    return mpfr_get_d(value_, MPFR_RNDN);
  }

 private:
  mpfr_t value_;
};

// Counts the arguments whose sine or cosine differs, and reports the first
// few of them.
class Comparison {
 public:
  void check(double x) {
    compare("sin", x, core::sine(x), reference_(mpfr_sin, x));
    compare("cos", x, core::cosine(x), reference_(mpfr_cos, x));
  }
  int misses() const { return misses_; }

 private:
  void compare(const char* name, double x, double got, double expected) {
    if (std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(expected)) return;
    if (++misses_ <= 5) {
      ADD_FAILURE() << name << '(' << std::hexfloat << x << ") = " << got << ", MPFR " << expected;
    }
  }

  Reference reference_;
  int misses_ = 0;
};

TEST(TrigonometryAgainstMpfr, EveryClosingAngleThroughText) {
  Comparison c;
  for (int hundredths = 2300; hundredths <= 8900; ++hundredths) {
    char typed[16];
    std::snprintf(typed, sizeof typed, "%d.%02d", hundredths / 100, hundredths % 100);
    const std::optional<double> degrees = core::parse_strict(typed);
    ASSERT_TRUE(degrees.has_value()) << typed;
    c.check(core::closing_angle_radians(*degrees).value());
  }
  EXPECT_EQ(c.misses(), 0);
}

TEST(TrigonometryAgainstMpfr, SeededRandomArguments) {
  std::mt19937_64 random(20261207);
  // Uniform in [0, 1), every bit of the mantissa random.
  auto unit = [&random] { return static_cast<double>(random() >> 11) * 0x1p-53; };
  Comparison c;
  for (int i = 0; i < 1'000'000; ++i) c.check(unit() * 1.5707963267948966);
  for (int i = 0; i < 10'000; ++i) c.check(unit() * 0x1p20);
  EXPECT_EQ(c.misses(), 0);
}

}  // namespace
