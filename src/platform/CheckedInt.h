// Checked signed 32-bit arithmetic: every operation whose exact result does not
// fit raises tv::EIntOverflow; truncating a double that is outside the 32-bit
// range (or not finite) raises tv::ERangeError. No Qt, no other module.
#pragma once

#include <cmath>
#include <cstdint>

#include "Errors.h"

namespace tv {

[[noreturn]] void ThrowOverflow(const char* operation);
[[noreturn]] void ThrowTruncRange(double value);

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_add_overflow(a, b, &r)) ThrowOverflow("+");
  return r;
}

inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_sub_overflow(a, b, &r)) ThrowOverflow("-");
  return r;
}

inline std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_mul_overflow(a, b, &r)) ThrowOverflow("*");
  return r;
}

inline std::int32_t CheckedNeg(std::int32_t a) { return CheckedSub(0, a); }

// Integer division truncating toward zero (Pascal div). Division by zero is an
// invalid operation; INT32_MIN div -1 overflows.
inline std::int32_t CheckedDiv(std::int32_t a, std::int32_t b) {
  if (b == 0) throw EInvalidOp("Division by zero");
  if (a == INT32_MIN && b == -1) ThrowOverflow("div");
  return a / b;
}

// Remainder with the sign of the dividend (Pascal mod).
inline std::int32_t CheckedMod(std::int32_t a, std::int32_t b) {
  if (b == 0) throw EInvalidOp("Division by zero");
  if (b == -1) return 0;
  return a % b;
}

// Truncation toward zero into a signed 32-bit integer. Works on long double so
// that extended-precision intermediates are truncated without a prior rounding.
inline std::int32_t TruncToInt32(long double x) {
  if (!(x > -2147483649.0L && x < 2147483648.0L)) ThrowTruncRange(static_cast<double>(x));
  return static_cast<std::int32_t>(x);
}

// Rounding to the nearest integer, halves to even (Pascal Round), into a signed
// 32-bit integer; outside the range raises ERangeError.
inline std::int32_t RoundHalfEvenToInt32(long double x) {
  if (!(x > -2147483648.5L && x < 2147483647.5L)) ThrowTruncRange(static_cast<double>(x));
  // rint rounds in the current mode, which is to nearest with halves to even;
  // unlike nearbyint it does not save and restore the floating-point state.
  // The whole number it gives goes to the integer through double, exactly:
  // straight from long double, the x87 unit would switch its rounding mode
  // there and back for each conversion, which costs more than the rest.
  return static_cast<std::int32_t>(static_cast<double>(std::rint(x)));
}

}  // namespace tv
