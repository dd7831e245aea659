// format_number on any finite double (the input's words as bit patterns or
// field text, see fuzz::read_numbers; 8 raw bytes count as one bit pattern
// too): the text is a plain number that reads back to the double rounded to
// 15 significant digits.

#include <cstdint>
#include <cstring>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 8) {
    // Also take the bytes themselves, so the fuzzer's byte mutations reach
    // every bit pattern directly.
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    if (std::isfinite(raw)) fuzz::check_written(raw);
  }
  for (double value : fuzz::read_numbers(fuzz::as_text(data, size))) {
    if (std::isfinite(value)) fuzz::check_written(value);
  }
  return 0;
}
