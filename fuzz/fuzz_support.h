#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/commands.h"
#include "core/numeric_text.h"

// What every fuzz target checks beyond "no crash, no sanitizer report".
namespace fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "fuzz check failed: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
               text.data());
  std::abort();
}

[[noreturn]] inline void fail(const char* what, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g (bits %016llx)", value,
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  fail(what, buffer);
}

inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input of the formula targets: numbers separated by blanks or line
// breaks. "0x" and up to 16 hexadecimal digits give a double's bit pattern,
// so every double (subnormals, the largest, infinities, NaNs) is reachable;
// any other word is field text read as a page reads it, with parse_value.
//   "3.48 5.7 60"   "0x7FEFFFFFFFFFFFFF 1E400 -0"
inline int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

inline std::vector<double> read_numbers(std::string_view input) {
  std::vector<double> numbers;
  std::size_t i = 0;
  auto separator = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (i < input.size()) {
    while (i < input.size() && separator(input[i])) ++i;
    const std::size_t start = i;
    while (i < input.size() && !separator(input[i])) ++i;
    const std::string_view word = input.substr(start, i - start);
    if (word.empty()) break;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
      std::uint64_t bits = 0;
      for (std::size_t k = 2; k < word.size() && k < 18; ++k) {
        const int digit = hex_digit(word[k]);
        if (digit < 0) break;
        bits = (bits << 4) | static_cast<std::uint64_t>(digit);
      }
      numbers.push_back(std::bit_cast<double>(bits));
    } else {
      numbers.push_back(core::parse_value(word));
    }
  }
  return numbers;
}

// value rounded to 15 significant digits, by the C library as the
// independent judge: printf rounds correctly, strtod reads correctly.
inline double rounded_to_15_digits(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  return std::strtod(buffer, nullptr);
}

// Checks the text format_number writes for a finite value and returns the
// number the user sees, read back as the pages read it:
//   - "-"? digits ("." digits)? ("E" sign two or three digits)?, at most 15
//     significant digits, no trailing fraction zeros, no "inf", "nan", ","
//     or blank, never empty;
//   - exponent form exactly for magnitudes below 1E-4 or from 1E+15 on;
//   - parse_value and parse_strict read it back as the value rounded to 15
//     significant digits (the largest few doubles, whose rounding would
//     leave the range, as 1.79769313486231E+308).
inline double check_written(double value) {
  if (!std::isfinite(value)) fail("format_number asked to write a non-finite value", value);
  const std::string text = core::format_number(value);
  if (text.empty() || text.size() > 22) fail("text length", text);

  // Shape.
  std::size_t i = 0;
  if (text[i] == '-') ++i;
  const std::size_t mantissa_start = i;
  std::size_t digits = 0;
  std::size_t significant = 0;
  bool leading = true;
  bool point = false;
  while (i < text.size() && text[i] != 'E') {
    const char c = text[i];
    if (c == '.') {
      if (point) fail("two decimal points", text);
      point = true;
    } else if (c >= '0' && c <= '9') {
      ++digits;
      if (c != '0') leading = false;
      if (!leading) ++significant;
    } else {
      fail("character outside a number", text);
    }
    ++i;
  }
  if (digits == 0) fail("no digits", text);
  if (significant > 15) fail("more than 15 significant digits", text);
  const std::string_view mantissa(text.data() + mantissa_start, i - mantissa_start);
  if (point && (mantissa.back() == '0' || mantissa.back() == '.')) fail("padded fraction", text);
  if (mantissa.size() > 1 && mantissa[0] == '0' && mantissa[1] != '.') fail("leading zero", text);
  if (mantissa[0] == '.') fail("no digit before the point", text);
  const bool exponent_form = i < text.size();
  if (exponent_form) {
    const std::string_view exponent(text.data() + i + 1, text.size() - i - 1);
    if (exponent.size() < 3 || exponent.size() > 4 || (exponent[0] != '+' && exponent[0] != '-')) {
      fail("exponent", text);
    }
    for (char c : exponent.substr(1)) {
      if (c < '0' || c > '9') fail("exponent digit", text);
    }
    if (mantissa.size() > 1 && mantissa[1] != '.') fail("exponent form mantissa", text);
  }
  if (text == "-0") fail("negative zero written", text);

  // Value.
  double expected = rounded_to_15_digits(value);
  if (std::isinf(expected)) expected = std::copysign(1.79769313486231e308, value);
  const double shown = core::parse_value(text);
  if (shown != expected) fail("parse_value does not read back the rounded value", text);
  const std::optional<double> strict = core::parse_strict(text);
  if (!strict || *strict != shown) fail("parse_strict does not read back the text", text);

  const double magnitude = std::fabs(expected);
  const bool expect_exponent = magnitude != 0.0 && (magnitude < 1e-4 || magnitude >= 1e15);
  if (exponent_form != expect_exponent) fail("exponent form used at the wrong magnitude", text);
  return shown;
}

// The input of a command's target: the texts of its fields, one a line;
// fields the input does not reach are empty. Each byte is one character,
// so bytes from 0x80 stand for non-ASCII characters.
//   "3.48\n5.7\n60"
inline std::vector<std::u16string> read_fields(std::string_view input, std::size_t count) {
  std::vector<std::u16string> fields(count);
  for (std::u16string& f : fields) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    for (char c : input.substr(0, end)) f += static_cast<char16_t>(static_cast<unsigned char>(c));
    input.remove_prefix(std::min(end + 1, input.size()));
  }
  return fields;
}

inline std::string ascii(std::u16string_view text) {
  std::string s;
  for (char16_t c : text) s += c < 0x80 ? static_cast<char>(c) : '?';
  return s;
}

// What every command keeps, whatever its input: it writes the controls of
// order from the first on, all of them unless it shows a message, and every
// number it writes (all but the copies) is a text format_number writes that
// reads back as itself. Gives the text written into each control of order,
// empty where it wrote nothing.
inline std::vector<std::u16string> check_outcome(const core::Outcome& out,
                                                 std::initializer_list<std::string_view> order,
                                                 std::initializer_list<std::string_view> copies) {
  if (out.writes.size() > order.size()) fail("more writes than the command makes", "");
  if (out.message.empty() != (out.writes.size() == order.size())) {
    fail("a command stopped without a message, or wrote everything and showed one", out.message);
  }
  std::vector<std::u16string> texts(order.size());
  for (std::size_t i = 0; i < out.writes.size(); ++i) {
    const core::Write& w = out.writes[i];
    if (w.control != order.begin()[i]) fail("write out of order", w.control);
    texts[i] = w.text;
    bool copy = false;
    for (std::string_view c : copies) copy = copy || c == w.control;
    if (copy) continue;
    const std::string text = ascii(w.text);
    if (check_written(core::parse_value(text)) != core::parse_value(text) ||
        core::format_number(core::parse_value(text)) != text) {
      fail("a number written does not read back as itself", text);
    }
  }
  return texts;
}

}  // namespace fuzz
