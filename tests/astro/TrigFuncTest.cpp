#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"
#include "platform/Errors.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The constants are bit patterns other modules rely on (the chart projection's
// pi/2 in particular), so they are compared exactly.
TEST(AngleConstants, StoredBitsAreExact) {
  struct Row {
    const char* name;
    double value;
    std::uint64_t bits;
  };
  const Row rows[] = {
      {"PiVal", PiVal, 0x400921FB54442D18ull},   {"Pi2", Pi2, 0x401921FB54442D18ull},
      {"PiHalf", PiHalf, 0x3FF921FB54442D28ull}, {"Deg2Rad", Deg2Rad, 0x3F91DF46A2529D39ull},
      {"Rad2Deg", Rad2Deg, 0x404CA5DC1A63C1F8ull}, {"Hour2Rad", Hour2Rad, 0x3FD0C152382D7366ull},
      {"Rad2Hour", Rad2Hour, 0x400E8EC8A4AEACC4ull},
  };
  for (const Row& r : rows)
    EXPECT_EQ(std::bit_cast<std::uint64_t>(r.value), r.bits) << r.name;
}

TEST(AngleConstants, PiHalfLiesAboveHalfPi) {
  // The projection maps altitude 0 to a zenith distance slightly above pi/2.
  EXPECT_NEAR(PiHalf - PiVal / 2, 3.6e-15, 0.1e-15);
}

TEST(ArcTan2, QuadrantsAxesAndSignedZero) {
  struct Row {
    const char* name;
    double y, x, expected;
  };
  const Row rows[] = {
      {"origin", 0, 0, 0},
      {"negative zero origin", -0.0, -0.0, 0},
      {"negative X axis", 0, -1, kPi},
      {"negative X axis, negative zero Y", -0.0, -1, kPi},
      {"positive Y axis", 1, 0, kPi / 2},
      {"negative Y axis", -1, 0, -kPi / 2},
      {"diagonal, second branch", 1, 1, kPi / 4},
      {"third quadrant diagonal", -1, -1, -3 * kPi / 4},
      {"positive X axis", 0, 1, 0},
      {"first branch, shallow", 1, 2, std::atan2(1.0, 2.0)},
      {"second quadrant", 2, -1, std::atan2(2.0, -1.0)},
      {"fourth quadrant, tiny Y", -1e-300, 5, -2e-301},
  };
  for (const Row& r : rows) EXPECT_NEAR(ArcTan2(r.y, r.x), r.expected, 1e-15) << r.name;
  // Unlike std::atan2, never -pi.
  EXPECT_GT(ArcTan2(-0.0, -1), 0);
}

TEST(ArcTan2, AgreesWithLibraryOverTheCircle) {
  for (int i = -179; i <= 180; ++i) {
    const double a = i * kPi / 180;
    const double r = 0.37 + i * i * 1e-3;
    EXPECT_NEAR(ArcTan2(r * std::sin(a), r * std::cos(a)), a, 2e-15) << i << " degrees";
  }
}

TEST(ArcSineArcCosine, ValuesAndClamping) {
  struct Row {
    const char* name;
    double x, asin, acos;
  };
  const Row rows[] = {
      {"zero", 0, 0, kPi / 2},
      {"one", 1, kPi / 2, 0},
      {"minus one", -1, -kPi / 2, kPi},
      {"half", 0.5, kPi / 6, kPi / 3},
      {"minus half", -0.5, -kPi / 6, 2 * kPi / 3},
      {"above one, clamped", 1.5, kPi / 2, 0},
      {"below minus one, clamped", -2, -kPi / 2, kPi},
      {"one plus an ulp, clamped", std::nextafter(1.0, 2.0), kPi / 2, 0},
      {"near one", 0.9999999, std::asin(0.9999999), std::acos(0.9999999)},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(ArcSine(r.x), r.asin, 1e-15) << r.name;
    EXPECT_NEAR(ArcCosine(r.x), r.acos, 1e-15) << r.name;
  }
  // The exact end points.
  EXPECT_EQ(ArcCosine(1), 0.0);
  EXPECT_EQ(ArcCosine(-1), PiVal);
  EXPECT_EQ(ArcCosine(3), 0.0);
  EXPECT_EQ(ArcSine(-1), -PiVal / 2);
}

TEST(PosMod, ReducesIntoRange) {
  struct Row {
    const char* name;
    double x, m, expected, tolerance;
  };
  const Row rows[] = {
      {"negative degrees", -30, 360, 330, 1e-13},
      {"past a turn", 725, 360, 5, 1e-13},
      {"hours", 25.5, 24, 1.5, 1e-14},
      {"radians", -0.5, Pi2, Pi2 - 0.5, 1e-15},
      {"inside already", 123.25, 360, 123.25, 1e-13},
  };
  for (const Row& r : rows) EXPECT_NEAR(PosMod(r.x, r.m), r.expected, r.tolerance) << r.name;
}

TEST(PosMod, ExactMultiplesAndTheClosedUpperEnd) {
  EXPECT_EQ(PosMod(-720, 360), 0.0);
  EXPECT_EQ(PosMod(-24, 24), 0.0);
  EXPECT_EQ(PosMod(720, 360), 0.0);
  // A negative remainder too small to survive the addition gives m itself.
  EXPECT_EQ(PosMod(-1e-20, 360), 360.0);
}

TEST(TrigFuncErrors, NaNAndZeroModulusAreInvalidOperations) {
  EXPECT_THROW(ArcTan2(kNaN, 1), tv::EInvalidOp);
  EXPECT_THROW(ArcTan2(1, kNaN), tv::EInvalidOp);
  EXPECT_THROW(ArcSine(kNaN), tv::EInvalidOp);
  EXPECT_THROW(ArcCosine(kNaN), tv::EInvalidOp);
  EXPECT_THROW(PosMod(kNaN, 360), tv::EInvalidOp);
  EXPECT_THROW(PosMod(5, 0), tv::EInvalidOp);
  EXPECT_THROW(PosMod(0, 0), tv::EInvalidOp);
}

}  // namespace
