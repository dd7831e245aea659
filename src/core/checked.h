#pragma once

#include <cmath>

#include "core/trigonometry.h"

namespace core {

// The arithmetic failures a calculation can meet. Underflow and inexact
// results are not failures.
enum class Fault {
  none,
  overflow,          // a result beyond the double range
  division_by_zero,  // x / 0, including 0 / 0
  invalid,           // square root of a negative number, inf - inf, ...
};

// A double that remembers the first arithmetic failure met on the way to it.
// Each operator is exactly one IEEE double operation, so a formula written
// with Checked values rounds exactly as the same formula on plain doubles;
// only the failure check is added, after every step. Once failed, a value
// keeps its fault and later steps do not compute.
class Checked {
 public:
  // A non-finite input (a number typed beyond the double range reads as
  // infinity) is itself an overflow.
  constexpr Checked(double value)  // NOLINT(google-explicit-constructor): numbers mix freely
      : value_(value), fault_(classify(value)) {}

  constexpr double value() const { return value_; }
  constexpr Fault fault() const { return fault_; }
  constexpr bool ok() const { return fault_ == Fault::none; }

  friend constexpr Checked operator+(Checked a, Checked b) {
    return a.ok() ? (b.ok() ? Checked(a.value_ + b.value_) : b) : a;
  }
  friend constexpr Checked operator-(Checked a, Checked b) {
    return a.ok() ? (b.ok() ? Checked(a.value_ - b.value_) : b) : a;
  }
  friend constexpr Checked operator*(Checked a, Checked b) {
    return a.ok() ? (b.ok() ? Checked(a.value_ * b.value_) : b) : a;
  }
  friend constexpr Checked operator/(Checked a, Checked b) {
    if (!a.ok()) return a;
    if (!b.ok()) return b;
    if (b.value_ == 0.0) return failed(Fault::division_by_zero);
    return Checked(a.value_ / b.value_);
  }
  constexpr Checked operator-() const { return ok() ? Checked(-value_) : *this; }

  friend Checked sqrt(Checked a) {
    if (!a.ok()) return a;
    if (a.value_ < 0.0) return failed(Fault::invalid);
    return Checked(std::sqrt(a.value_));
  }
  // Correctly rounded, so no digit depends on the machine's C library.
  friend Checked sin(Checked a) { return a.ok() ? Checked(core::sine(a.value_)) : a; }
  friend Checked cos(Checked a) { return a.ok() ? Checked(core::cosine(a.value_)) : a; }

 private:
  constexpr Checked(double value, Fault fault) : value_(value), fault_(fault) {}
  static constexpr Checked failed(Fault fault) { return Checked(0.0, fault); }
  static constexpr Fault classify(double v) {
    if (v != v) return Fault::invalid;         // NaN
    if (v - v != 0.0) return Fault::overflow;  // +/-infinity
    return Fault::none;
  }

  double value_;
  Fault fault_;
};

}  // namespace core
