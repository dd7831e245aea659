#include "core/numeric_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct ParseCase {
  const char* text;
  double expected;
};

TEST(ParseValue, ReadsTheLeadingNumber) {
  const ParseCase cases[] = {
      {"", 0.0},          {" ", 0.0},          {"3.48", 3.48},    {"  3.48", 3.48},
      {"3 .4 8", 3.48},   {"\t3.48\n", 3.48},  {"3.48in", 3.48},  {"3.48 in", 3.48},
      {"3,48", 3.0},      {"1.2.3", 1.2},      {"-.5", -0.5},     {"+7", 7.0},
      {"5.", 5.0},        {"1.5E3", 1500.0},   {"1.5D3", 1500.0}, {"1.5e3", 1500.0},
      {"1.5d+3", 1500.0}, {"25E-1", 2.5},      {"1 000", 1000.0}, {"abc", 0.0},
      {".", 0.0},         {"-", 0.0},          {"+", 0.0},        {"-abc", 0.0},
      {"1.5E", 1.5},      {"1.5E+", 1.5},      {"1.5Ex", 1.5},    {"E5", 0.0},
      {".E5", 0.0},       {"60 deg", 60.0},    {"6 0", 60.0},     {"0x10", 0.0},
      {"inf", 0.0},       {"nan", 0.0},        {"--5", 0.0},      {"12abc34", 12.0},
      {"00012", 12.0},    {"1.5 E 3", 1500.0}, {"\r5", 0.0},      {"270abc", 270.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::parse_value(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseValue, HexAndOctalPatterns) {
  const ParseCase cases[] = {
      {"&HFFFF", -1.0},
      {"&H1F", 31.0},
      {"&h1f", 31.0},
      {"&H7FFF", 32767.0},
      {"&H8000", -32768.0},
      {"&H10000", 65536.0},
      {"&HFFFFFFFF", -1.0},
      {"&H80000000", -2147483648.0},
      {"&H100000000", 4294967296.0},
      {"&O17", 15.0},
      {"&O177777", -1.0},
      {"&O18", 1.0},  // 8 is no octal digit: the pattern ends before it
      {"&H", 0.0},
      {"&HFG", 15.0},
      {"& H 1F", 31.0},
      {"&X1", 0.0},
      {"-&H1", 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::parse_value(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseValue, EdgesOfTheDoubleRange) {
  EXPECT_EQ(core::parse_value("1E308"), 1e308);
  EXPECT_EQ(core::parse_value("-1E308"), -1e308);
  EXPECT_EQ(core::parse_value("4.9E-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(core::parse_value("1.7976931348623157E308"), std::numeric_limits<double>::max());
  // Beyond the range: infinity, which every calculation reports as overflow.
  EXPECT_EQ(core::parse_value("1E400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(core::parse_value("-1D400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(core::parse_value("0.0000001E316"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(core::parse_value("1E99999999999999999999"), std::numeric_limits<double>::infinity());
  // Too small: a zero, never a failure.
  EXPECT_EQ(core::parse_value("1E-400"), 0.0);
  EXPECT_EQ(core::parse_value("100000E-330"), 0.0);
  EXPECT_TRUE(std::signbit(core::parse_value("-1E-400")));
  EXPECT_TRUE(std::signbit(core::parse_value("-0")));
}

TEST(ParseValue, VeryLongTexts) {
  std::string digits(100000, '1');
  EXPECT_EQ(core::parse_value(digits), std::numeric_limits<double>::infinity());
  std::string fraction = "0." + std::string(100000, '3');
  EXPECT_EQ(core::parse_value(fraction), 1.0 / 3.0);
  std::string spaced;
  for (int i = 0; i < 50000; ++i) spaced += " ";
  EXPECT_EQ(core::parse_value(spaced + "4" + spaced + ".5"), 4.5);
}

TEST(ParseStrict, AcceptsOnlyAWholeNumber) {
  const struct {
    const char* text;
    std::optional<double> expected;
  } cases[] = {
      {"60", 60.0},   {" 60 ", 60.0}, {"60.5", 60.5}, {"\t60\n", 60.0}, {"+60", 60.0},
      {"-60", -60.0}, {"60.", 60.0},  {".5", 0.5},    {"6E1", 60.0},    {"6D1", 60.0},
      {"60.0", 60.0}, {"60 deg", {}}, {"6 0", {}},    {"", {}},         {" ", {}},
      {".", {}},      {"-", {}},      {"abc", {}},    {"60,5", {}},     {"&H3C", {}},
      {"6E", {}},     {"60e+", {}},   {"1.2.3", {}},  {"- 60", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::parse_strict(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(FormatNumber, FifteenSignificantDigitsNoPadding) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {61.0, "61"},
      {0.5, "0.5"},
      {-4.0, "-4"},
      {3.48, "3.48"},
      {-0.5, "-0.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {2.812791617557141, "2.81279161755714"},
      {0.6672083824428601, "0.66720838244286"},
      {1.0471975511965967, "1.0471975511966"},
      {0.0, "0"},
      {-0.0, "0"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.4, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {-1.5e300, "-1.5E+300"},
      {4.9e-324, "4.94065645841247E-324"},
      {355.11515320869756, "355.115153208698"},
      {-180.0, "-180"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::format_number(c.value), c.expected) << c.value;
  }
}

TEST(FormatNumber, TopOfTheRangeStillReadsBack) {
  const double max = std::numeric_limits<double>::max();
  EXPECT_EQ(core::format_number(max), "1.79769313486231E+308");
  EXPECT_EQ(core::format_number(-max), "-1.79769313486231E+308");
  EXPECT_TRUE(std::isfinite(core::parse_value(core::format_number(max))));
}

// d rounded to 15 significant digits, worked out independently of the
// code under test through the C library's own conversions.
double rounded_to_15_digits(double d) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", d);
  double r = std::strtod(text, nullptr);
  if (std::isinf(r)) r = std::copysign(1.79769313486231e308, d);
  return r;
}

TEST(FormatNumber, RoundTripsThroughParseValue) {
  std::mt19937_64 random(20261207);
  auto check = [](double d) {
    const std::string text = core::format_number(d);
    const double back = core::parse_value(text);
    ASSERT_EQ(back, rounded_to_15_digits(d)) << std::hexfloat << d << " -> " << text;
    ASSERT_EQ(core::parse_strict(text), back) << text;
  };
  for (int i = 0; i < 200000; ++i) {
    // Every bit pattern of a finite double, so all exponents are covered.
    const double d = std::bit_cast<double>(random());
    if (std::isfinite(d)) check(d);
  }
  std::uniform_real_distribution<double> engine_sized(-1000.0, 1000.0);
  for (int i = 0; i < 100000; ++i) check(engine_sized(random));
}

// The text printf("%.15g") writes, with "E" for "e": the layout and the
// rounding format_number must match, worked out by the C library.
std::string printf_15g(double d) {
  char text[64];
  std::snprintf(text, sizeof text, "%.15g", d);
  std::string s = text;
  for (char& c : s) {
    if (c == 'e') c = 'E';
  }
  return s;
}

// Where the 15-digit rounding turns: decimals with a 5 in the 16th digit
// (exact ties among integers and half-integers, where the exact value
// decides, and their neighbouring doubles), carries into the next decade,
// and subnormal numbers, whose few bits give short shortest texts.
TEST(FormatNumber, AgreesWithPrintfWhereTheRoundingTurns) {
  std::vector<double> values = {
      1234567890123455.0,       1234567890123445.0,       999999999999999.5,
      99999999999999.95,        123456789012345.5,        123456789012344.5,
      0.12345678901234550,      9.999999999999995e22,     9.9999999999999949e-5,
      2.2250738585072014e-308,  2.2250738585072009e-308,  4.9e-324,
      1e-310,                   1.2345678901234567e-315,  8.98846567431158e307,
  };
  std::mt19937_64 random(15);
  std::uniform_int_distribution<long long> fifteen(100000000000000LL, 999999999999999LL);
  std::uniform_int_distribution<int> exponent(-320, 300);
  for (int i = 0; i < 50000; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "%lld5E%d", fifteen(random), exponent(random));
    const double d = std::strtod(text, nullptr);
    values.insert(values.end(), {d, std::nextafter(d, 0.0), std::nextafter(d, std::numeric_limits<double>::infinity())});
    const long long m = fifteen(random);
    values.push_back(static_cast<double>(m * 10 + 5));     // 16 digits, an exact tie
    values.push_back(static_cast<double>(m) + 0.5);        // likewise
    values.push_back(std::bit_cast<double>(random() >> 12));  // subnormal
  }
  for (double d : values) {
    if (!std::isfinite(d) || std::fabs(d) > 1.7976931348623e308) continue;
    EXPECT_EQ(core::format_number(d), printf_15g(d)) << std::hexfloat << d;
    EXPECT_EQ(core::format_number(-d), printf_15g(-d)) << std::hexfloat << -d;
  }
}

// A comma-decimal user locale must change nothing: "." stays the point.
TEST(NumericText, IgnoresTheUserLocale) {
  const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
  const char* chosen = nullptr;
  for (const char* name : candidates) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no comma-decimal locale installed";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(core::parse_value("3.48"), 3.48);
  EXPECT_EQ(core::parse_value("3,48"), 3.0);
  EXPECT_EQ(core::parse_strict("60.5"), 60.5);
  EXPECT_EQ(core::format_number(2.0 / 3.0), "0.666666666666667");
  EXPECT_EQ(core::format_number(1.5e-7), "1.5E-07");
  std::setlocale(LC_ALL, "C");
}

TEST(IsEmptyField, OnlyTheEmptyText) {
  EXPECT_TRUE(core::is_empty_field(""));
  EXPECT_FALSE(core::is_empty_field(" "));
  EXPECT_FALSE(core::is_empty_field("0"));
  EXPECT_FALSE(core::is_empty_field("\t"));
}

}  // namespace
