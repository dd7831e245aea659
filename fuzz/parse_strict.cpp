// parse_strict on any text: it accepts exactly
//   blanks* [sign] (digits ["." digits*] | "." digits) [(E|D) [sign] digits] blanks*
// (either case of E and D), and what it accepts has the value parse_value
// gives, bit for bit.

#include <cstdint>

#include "fuzz_support.h"

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

bool is_plain_number(std::string_view s) {
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && digit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && digit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t first = i;
    while (i < s.size() && digit(s[i])) ++i;
    if (i == first) return false;
  }
  return i == s.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::as_text(data, size);
  const std::optional<double> strict = core::parse_strict(text);
  if (strict.has_value() != is_plain_number(text)) {
    fuzz::fail(strict ? "parse_strict accepted a text that is no number as a whole"
                      : "parse_strict refused a plain number",
               text);
  }
  if (strict && std::bit_cast<std::uint64_t>(*strict) !=
                    std::bit_cast<std::uint64_t>(core::parse_value(text))) {
    fuzz::fail("parse_strict differs from parse_value", text);
  }
  return 0;
}
