#include "core/numeric_text.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace core {
namespace {

constexpr bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
constexpr bool is_exponent_marker(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

int digit_value(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// "&HFFFF" -> -1: patterns that fit 16 bits are signed 16-bit values, those
// that fit 32 bits signed 32-bit values; anything longer is taken unsigned.
double parse_radix(std::string_view digits, int radix) {
  std::uint64_t bits = 0;
  double wide = 0.0;  // used once the pattern no longer fits 64 bits
  bool too_wide = false;
  const int bits_per_digit = radix == 16 ? 4 : 3;
  for (char c : digits) {
    const int d = digit_value(c);
    if (d >= radix) break;
    if (!too_wide && bits >> (64 - bits_per_digit) != 0) {
      too_wide = true;
      wide = static_cast<double>(bits);
    }
    if (too_wide) {
      wide = wide * radix + d;
    } else {
      bits = (bits << bits_per_digit) | static_cast<std::uint64_t>(d);
    }
  }
  if (too_wide) return wide;
  if (bits <= 0xFFFFu) return static_cast<double>(static_cast<std::int16_t>(bits));
  if (bits <= 0xFFFFFFFFu) return static_cast<double>(static_cast<std::int32_t>(bits));
  return static_cast<double>(bits);
}

// The extent of a number at the start of s (no blanks in s).
struct NumberToken {
  bool negative = false;
  std::size_t begin = 0;  // first character after the sign
  std::size_t end = 0;    // one past the last character of the number
  std::size_t mantissa_digits = 0;
  std::size_t marker = std::string_view::npos;  // position of E/D if an exponent is used
};

NumberToken scan_number(std::string_view s) {
  NumberToken t;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    t.negative = s[i] == '-';
    ++i;
  }
  t.begin = i;
  while (i < s.size() && is_digit(s[i])) ++i, ++t.mantissa_digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && is_digit(s[i])) ++i, ++t.mantissa_digits;
  }
  t.end = i;
  if (t.mantissa_digits > 0 && i < s.size() && is_exponent_marker(s[i])) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t exponent_start = j;
    while (j < s.size() && is_digit(s[j])) ++j;
    if (j > exponent_start) {
      t.marker = i;
      t.end = j;
    }
  }
  return t;
}

// from_chars reports out-of-range without telling which way; the decimal
// exponent of the leading digit does. Text is a valid token without sign.
bool overflows(std::string_view number) {
  bool seen_nonzero = false;
  bool after_point = false;
  long long integer_digits = 0;
  long long zeros_after_point = 0;
  std::size_t i = 0;
  for (; i < number.size() && !is_exponent_marker(number[i]); ++i) {
    const char c = number[i];
    if (c == '.') {
      after_point = true;
      continue;
    }
    if (!seen_nonzero && c == '0') {
      if (after_point) ++zeros_after_point;
      continue;
    }
    if (!seen_nonzero) seen_nonzero = true;
    if (!after_point) ++integer_digits;
  }
  // decimal exponent of the first non-zero digit
  const long long leading = integer_digits > 0 ? integer_digits - 1 : -(zeros_after_point + 1);
  long long exponent = 0;
  if (i < number.size()) {
    ++i;
    bool negative = false;
    if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
    for (; i < number.size(); ++i) {
      exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000'000LL);
    }
    if (negative) exponent = -exponent;
  }
  return leading + exponent > 0;
}

double parse_compact(std::string_view s) {
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return parse_radix(s.substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return parse_radix(s.substr(2), 8);
  }
  const NumberToken t = scan_number(s);
  if (t.mantissa_digits == 0) return 0.0;

  std::string_view number = s.substr(t.begin, t.end - t.begin);
  std::string with_e;  // from_chars knows only "E" as exponent marker
  if (t.marker != std::string_view::npos && (s[t.marker] == 'D' || s[t.marker] == 'd')) {
    with_e.assign(number);
    with_e[t.marker - t.begin] = 'e';
    number = with_e;
  }

  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return t.negative ? -value : value;
}

// The common case in one pass: text that starts with a plain number which
// from_chars reads in full, followed by nothing that could continue it once
// blanks are removed. Anything else (blanks, "+", "&H", "D" exponents, an
// exponent marker that might continue after a blank, a number beyond the
// range, "inf" and "nan", which from_chars would accept) takes the general
// path. Both give the same double.
bool parse_plain(std::string_view text, double& value) {
  const char* const first = text.data();
  const char* const last = first + text.size();
  const char* p = first;
  if (p != last && *p == '-') ++p;
  if (p == last || !(is_digit(*p) || *p == '.')) return false;
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc()) return false;
  return end == last || !(is_blank(*end) || is_exponent_marker(*end));
}

}  // namespace

double parse_value(std::string_view text) {
  double plain;
  if (parse_plain(text, plain)) return plain;

  std::size_t first_blank = 0;
  while (first_blank < text.size() && !is_blank(text[first_blank])) ++first_blank;
  if (first_blank == text.size()) return parse_compact(text);

  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!is_blank(c)) compact.push_back(c);
  }
  return parse_compact(compact);
}

std::optional<double> parse_strict(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && is_blank(text[first])) ++first;
  while (last > first && is_blank(text[last - 1])) --last;
  const std::string_view body = text.substr(first, last - first);

  const NumberToken t = scan_number(body);
  if (t.mantissa_digits == 0 || t.end != body.size()) return std::nullopt;
  return parse_compact(body);
}

std::string format_number(double value) {
  assert(std::isfinite(value));
  if (value == 0.0) return "0";  // -0.0 too
  // printf's "%.15g": plain from 1E-4 up to below 1E+15, otherwise one
  // digit, the fraction and a signed exponent of at least two digits.
  char buffer[32];  // "-1.23456789012345e-308"
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  assert(ec == std::errc());
  (void)ec;
  std::string text(buffer, end);
  const std::size_t marker = text.find('e');
  if (marker == std::string::npos) return text;
  text[marker] = 'E';
  // The largest doubles round to 1.79769313486232E+308, beyond the double
  // range; they are written as the largest 15-digit value that reads back.
  if (text.ends_with("1.79769313486232E+308")) text[text.size() - 6] = '1';
  return text;
}

}  // namespace core
