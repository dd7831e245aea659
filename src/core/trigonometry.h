#pragma once

// Sine and cosine rounded correctly: the exact value of sin x or cos x
// rounded to the nearest double. The C library's sin and cos are off by one
// unit in the last place for a few arguments, and which ones depends on the
// library's build and the processor: among the 6601 closing angles 23.00 to
// 89.00 degrees, glibc 2.36 on x86-64 misses about 25, and its code for
// processors with fused multiply-add misses others than its code for those
// without. Such a miss can change the 15th digit of a dynamic stroke length,
// so the pages use these.
namespace core {

// For |x| up to 2^20 (about a million radians) the value is worked out with
// whole-number arithmetic to 256 fraction bits and rounded once, far more
// bits than the hardest known doubles need to round correctly. Beyond, and
// for infinities and NaN, the C library's std::sin and std::cos answer: no
// page gets there (its angles lie between 0.4 and 1.56 radians).
double sine(double x);
double cosine(double x);

}  // namespace core
