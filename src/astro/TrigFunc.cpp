#include "astro/TrigFunc.h"

#include <cmath>

#include "astro/DivProcs.h"
#include "platform/Errors.h"

// Intermediates are long double (80-bit on x86); every "stored" value is
// rounded to double at the point where the result is assigned to a double.

namespace {

inline void RejectNaN(double v) {
  if (std::isnan(v)) throw tv::EInvalidOp();
}

}  // namespace

double ArcTan2(double Y, double X) {
  RejectNaN(Y);
  RejectNaN(X);
  if (X == 0 && Y == 0) return 0;  // -0.0 compares equal to 0
  const double ax = std::fabs(X);
  const double ay = std::fabs(Y);
  double phi;
  // Both branches take the arctangent of a ratio in [0, 1].
  if (ax > ay)
    phi = std::atan(ay / ax);
  else
    phi = PiVal / 2 - std::atan(ax / ay);
  if (X < 0) phi = PiVal - phi;
  if (Y < 0) phi = -phi;  // a negative zero Y is not < 0: (-0.0, -1) gives +pi
  return phi;
}

double ArcSine(double x) {
  RejectNaN(x);
  if (x > 1) x = 1;
  if (x < -1) x = -1;
  if (std::fabs(x) == 1) return static_cast<double>(x * static_cast<long double>(PiVal) / 2);
  // (1 - x)(1 + x) keeps 1 - x^2 accurate near |x| = 1 in double precision.
  return std::atan(x / std::sqrt((1 - x) * (1 + x)));
}

double ArcCosine(double x) {
  RejectNaN(x);
  if (x > 1) x = 1;
  if (x < -1) x = -1;
  if (x == 1) return 0;
  if (x == -1) return PiVal;
  const long double lx = x;
  return static_cast<double>(static_cast<long double>(PiVal) / 2 -
                             std::atan(lx / std::sqrt(1 - lx * lx)));
}

double PosMod(double x, double m) {
  RejectNaN(x);
  RejectNaN(m);
  if (m == 0) throw tv::EInvalidOp("Floating point division by zero");
  const long double q = static_cast<long double>(x) / m;
  const double r = static_cast<double>(m * (q - std::trunc(q)));
  if (r < 0) return static_cast<double>(static_cast<long double>(r) + m);
  return r;
}
