#pragma once

namespace core {

// pi as the 15-digit decimal 3.14159265358979, not the double nearest to pi.
// The last digits of every result that uses it depend on it.
inline constexpr double kPi = 3.14159265358979;

}  // namespace core
