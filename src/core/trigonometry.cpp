#include "core/trigonometry.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace core {
namespace {

__extension__ typedef unsigned __int128 Wide;

// A number from 0 to below 2^64 with 256 fraction bits, as the 320-bit whole
// number N = value * 2^256 in five limbs, the least significant first. Sums
// and products of whole numbers are exact on every machine, so no digit of
// the result depends on the machine's floating point or its C library.
struct Fixed {
  std::array<std::uint64_t, 5> limb{};
};
constexpr std::size_t kLimbs = 5;

constexpr Fixed kOne{{0, 0, 0, 0, 1}};
// pi/2 truncated after 256 fraction bits.
constexpr Fixed kHalfPi{
    {0x04177D4C76273644u, 0x52049C1114CF98E8u, 0x898CC51701B839A2u, 0x921FB54442D18469u, 1}};

constexpr bool less(const Fixed& a, const Fixed& b) {
  for (std::size_t i = kLimbs; i-- > 0;) {
    if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i];
  }
  return false;
}

// a - b, for a >= b.
constexpr Fixed minus(const Fixed& a, const Fixed& b) {
  Fixed r;
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < kLimbs; ++i) {
    const Wide d = static_cast<Wide>(a.limb[i]) - b.limb[i] - borrow;
    r.limb[i] = static_cast<std::uint64_t>(d);
    borrow = static_cast<std::uint64_t>(d >> 64) != 0 ? 1 : 0;
  }
  return r;
}

// a * b, the bits below 2^-256 dropped. The product stays below 2^64
// wherever it is used.
constexpr Fixed times(const Fixed& a, const Fixed& b) {
  std::array<std::uint64_t, 2 * kLimbs> p{};
  for (std::size_t i = 0; i < kLimbs; ++i) {
    if (a.limb[i] == 0) continue;  // the whole part, mostly
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < kLimbs; ++j) {
      const Wide t = static_cast<Wide>(a.limb[i]) * b.limb[j] + p[i + j] + carry;
      p[i + j] = static_cast<std::uint64_t>(t);
      carry = static_cast<std::uint64_t>(t >> 64);
    }
    p[i + kLimbs] = carry;
  }
  Fixed r;
  for (std::size_t k = 0; k < kLimbs; ++k) r.limb[k] = p[k + kLimbs - 1];
  return r;
}

// a * n, exact; the product stays below 2^64.
constexpr Fixed times(const Fixed& a, std::uint64_t n) {
  Fixed r;
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < kLimbs; ++i) {
    const Wide t = static_cast<Wide>(a.limb[i]) * n + carry;
    r.limb[i] = static_cast<std::uint64_t>(t);
    carry = static_cast<std::uint64_t>(t >> 64);
  }
  return r;
}

// a / n, the bits below 2^-256 dropped.
constexpr Fixed divided(const Fixed& a, std::uint64_t n) {
  Fixed r;
  Wide remainder = 0;
  for (std::size_t i = kLimbs; i-- > 0;) {
    const Wide t = (remainder << 64) | a.limb[i];
    r.limb[i] = static_cast<std::uint64_t>(t / n);
    remainder = t % n;
  }
  return r;
}

// 1/n! for n = 0 to 56. The Taylor series below stop at the 56th power:
// for |r| <= pi/4 the first term left out, r^57/57!, is below 2^-270.
constexpr std::size_t kTerms = 57;
constexpr std::array<Fixed, kTerms> kInverseFactorial = [] {
  std::array<Fixed, kTerms> c{};
  c[0] = kOne;
  for (std::size_t n = 1; n < kTerms; ++n) c[n] = divided(c[n - 1], n);
  return c;
}();

// A double from 2^-27 up to below 2^21, exactly.
Fixed from_double(double x) {
  int exponent = 0;
  const double fraction = std::frexp(x, &exponent);  // x = fraction * 2^exponent
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  // N = mantissa * 2^(exponent - 53 + 256)
  const int shift = exponent + 203;
  Fixed r;
  const auto at = static_cast<std::size_t>(shift / 64);
  const int bit = shift % 64;
  r.limb[at] = mantissa << bit;
  if (bit != 0 && at + 1 < kLimbs) r.limb[at + 1] = mantissa >> (64 - bit);
  return r;
}

// The nearest double, ties to even; the value is at least 2^-256 or zero.
double to_double(const Fixed& v) {
  std::size_t top = kLimbs;
  while (top > 0 && v.limb[top - 1] == 0) --top;
  if (top == 0) return 0.0;
  --top;
  // The 64 bits from the leading one down, and whether anything below them
  // is set.
  const int zeros = std::countl_zero(v.limb[top]);
  std::uint64_t head = v.limb[top] << zeros;
  std::uint64_t rest = 0;
  if (top > 0) {
    if (zeros != 0) head |= v.limb[top - 1] >> (64 - zeros);
    rest = v.limb[top - 1] << zeros;
    for (std::size_t i = 0; i + 1 < top; ++i) rest |= v.limb[i];
  }
  // 53 bits kept, the next one decides, the 10 after it and the rest break
  // a tie.
  std::uint64_t mantissa = head >> 11;
  const bool half = ((head >> 10) & 1u) != 0;
  const bool below = (head & 0x3FFu) != 0 || rest != 0;
  if (half && (below || (mantissa & 1u) != 0)) ++mantissa;  // 2^53 at most: still exact
  // The leading one stands for 2^(64 * top + 63 - zeros - 256).
  const int lead = static_cast<int>(top) * 64 + 63 - zeros - 256;
  return std::ldexp(static_cast<double>(mantissa), lead - 52);
}

// sin r and cos r for 0 <= r <= pi/4 (and a hair), by their Taylor series
// in Horner's form; every partial sum stays positive. The error is a few
// units of 2^-256.
Fixed sin_reduced(const Fixed& r) {
  const Fixed u = times(r, r);
  Fixed s = kInverseFactorial[kTerms - 2];  // 1/55!
  for (std::size_t n = kTerms - 4;; n -= 2) {
    s = minus(kInverseFactorial[n], times(u, s));
    if (n == 1) break;
  }
  return times(r, s);
}

Fixed cos_reduced(const Fixed& r) {
  const Fixed u = times(r, r);
  Fixed c = kInverseFactorial[kTerms - 1];  // 1/56!
  for (std::size_t n = kTerms - 3;; n -= 2) {
    c = minus(kInverseFactorial[n], times(u, c));
    if (n == 0) break;
  }
  return c;
}

// sin |x| (sine) or cos |x|, for 2^-27 <= |x| <= 2^20.
double evaluate(double magnitude, bool sine) {
  // x = q * pi/2 + r. q, the nearest whole number to x / (pi/2), is worked
  // out in double: a hair off at most, so |r| stays within pi/4 + 1E-9.
  const auto q = static_cast<std::uint64_t>(std::floor(magnitude * 0.6366197723675814 + 0.5));
  const Fixed x = from_double(magnitude);
  const Fixed multiple = times(kHalfPi, q);
  const bool r_negative = less(x, multiple);
  const Fixed r = r_negative ? minus(multiple, x) : minus(x, multiple);

  // sin(q*pi/2 + r) is sin r, cos r, -sin r, -cos r for q = 0, 1, 2, 3
  // (mod 4); cos(q*pi/2 + r) is cos r, -sin r, -cos r, sin r. sin r takes
  // the sign of r.
  const auto quadrant = static_cast<unsigned>(q % 4);
  const bool use_sin_r = sine ? quadrant % 2 == 0 : quadrant % 2 == 1;
  const bool quadrant_negative = sine ? quadrant >= 2 : quadrant == 1 || quadrant == 2;
  const bool negative = quadrant_negative != (use_sin_r && r_negative);
  const double result = to_double(use_sin_r ? sin_reduced(r) : cos_reduced(r));
  return negative ? -result : result;
}

constexpr double kSmall = 0x1p-27;  // below: sin x rounds to x, cos x to 1
constexpr double kLarge = 0x1p20;

}  // namespace

double sine(double x) {
  const double magnitude = std::fabs(x);
  if (!(magnitude <= kLarge)) return std::sin(x);
  if (magnitude < kSmall) return x;
  const double s = evaluate(magnitude, true);
  return x < 0.0 ? -s : s;
}

double cosine(double x) {
  const double magnitude = std::fabs(x);
  if (!(magnitude <= kLarge)) return std::cos(x);
  if (magnitude < kSmall) return 1.0;
  return evaluate(magnitude, false);
}

}  // namespace core
