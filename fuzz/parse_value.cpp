// parse_value on any text: never NaN, and the value the C library's strtod
// gives for the same leading number (blanks removed, "D" read as "E"), bit
// for bit, signed zeros and the ends of the double range included.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// The leading number of the compacted text, as strtod would be given it;
// empty when there is none.
std::string leading_number(const std::string& s) {
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  std::size_t mantissa_digits = 0;
  while (i < s.size() && digit(s[i])) number += s[i++], ++mantissa_digits;
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && digit(s[i])) number += s[i++], ++mantissa_digits;
  }
  if (mantissa_digits == 0) return {};
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    const std::size_t first_digit = j;
    while (j < s.size() && digit(s[j])) exponent += s[j++];
    if (j > first_digit) number += exponent;
  }
  return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::as_text(data, size);
  const double value = core::parse_value(text);
  if (std::isnan(value)) fuzz::fail("parse_value gave NaN", text);

  std::string compact;
  for (char c : text) {
    if (!blank(c)) compact += c;
  }
  if (compact.size() >= 2 && compact[0] == '&' &&
      (compact[1] == 'H' || compact[1] == 'h' || compact[1] == 'O' || compact[1] == 'o')) {
    // A hexadecimal or octal pattern: a whole number, or infinity when the
    // pattern is longer than the double range.
    if (std::isfinite(value) && value != std::trunc(value)) fuzz::fail("fractional pattern", text);
    return 0;
  }
  const std::string number = leading_number(compact);
  const double expected = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
  if (std::bit_cast<std::uint64_t>(value) != std::bit_cast<std::uint64_t>(expected)) {
    fuzz::fail("parse_value differs from strtod", text);
  }
  return 0;
}
