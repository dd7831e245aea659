#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between field text and numbers. Every value of the program
// lives as text in a field; these four functions are the only way text
// becomes a number and a number becomes text. They use no locale: "." is the
// decimal point whatever the user's settings.
namespace core {

// Value parse: lenient, never fails.
//   "3.48" -> 3.48     "3 .4 8" -> 3.48 (blanks, tabs and line feeds are
//   "3.48in" -> 3.48   removed wherever they stand)
//   "3,48" -> 3        "1.2.3" -> 1.2     "-.5" -> -0.5    "+7" -> 7
//   "1.5D3" -> 1500    "abc" -> 0         "" -> 0
//   "&HFFFF" -> -1     "&H1F" -> 31       "&O17" -> 15
// Hexadecimal and octal patterns of up to 16 bits are signed 16-bit values,
// up to 32 bits signed 32-bit values; longer ones count as unsigned.
// An exponent marker without digits is ignored ("1.5E" -> 1.5).
// A number beyond the double range gives +/-infinity, which the caller
// treats as an arithmetic failure; one too small gives a signed zero.
double parse_value(std::string_view text);

// Strict parse: apart from blanks before and after it, the text must be a
// number as a whole: [sign] digits [. digits] [E|D [sign] digits]; either
// digit run around the point may be empty, not both. The value is the one
// parse_value gives. "60 deg", "6 0", "" and "." give nothing.
std::optional<double> parse_strict(std::string_view text);

// Result format: at most 15 significant digits, round to nearest, no
// padding, "." as decimal point.
//   61 -> "61"   3.48 -> "3.48"   -4 -> "-4"   2.0/3 -> "0.666666666666667"
//   0.0001 -> "0.0001"   1e-5 -> "1E-05"   1e15 -> "1E+15"   -0.0 -> "0"
// Exponent form is used below 1E-4 and from 1E+15 on. The value must be
// finite. The few doubles next to the top of the range whose 15-digit
// rounding would exceed it are written as 1.79769313486231E+308, so that
// every text written reads back as a finite number.
std::string format_number(double value);

// Only the empty text is empty: " " and "0" are not.
constexpr bool is_empty_field(std::string_view text) { return text.empty(); }
constexpr bool is_empty_field(std::u16string_view text) { return text.empty(); }

}  // namespace core
