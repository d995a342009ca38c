#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/CheckedArray.h"
#include "platform/CheckedInt.h"

namespace {

using tv::CheckedArray;

TEST(CheckedArray, OneBasedRangeAcceptsBothEndsAndRejectsNeighbours) {
  CheckedArray<int, 1, 5> a;
  a[1] = 10;
  a[5] = 50;
  EXPECT_EQ(a[1], 10);
  EXPECT_EQ(a[5], 50);
  EXPECT_THROW(a[0], tv::ERangeError);
  EXPECT_THROW(a[6], tv::ERangeError);
  EXPECT_EQ(a.size(), 5u);
}

TEST(CheckedArray, NegativeLowerBound) {
  CheckedArray<double, -6, 3> a;
  a[-6] = -6.5;
  a[3] = 3.5;
  EXPECT_DOUBLE_EQ(a[-6], -6.5);
  EXPECT_DOUBLE_EQ(a[3], 3.5);
  EXPECT_DOUBLE_EQ(a[0], 0.0);  // zero initialised
  EXPECT_THROW(a[-7], tv::ERangeError);
  EXPECT_THROW(a[4], tv::ERangeError);
  EXPECT_EQ(a.size(), 10u);
}

TEST(CheckedArray, ConstAccessAndNestedTablesAreChecked) {
  CheckedArray<CheckedArray<int, 0, 2>, 1, 50> table;
  table[50][2] = 7;
  const auto& view = table;
  EXPECT_EQ(view[50][2], 7);
  EXPECT_THROW(view[51][0], tv::ERangeError);
  EXPECT_THROW(view[1][3], tv::ERangeError);
}

TEST(CheckedArray, RangeErrorNamesIndexAndBounds) {
  CheckedArray<int, -4, 4> a;
  try {
    a[9];
    FAIL() << "no error raised";
  } catch (const tv::ERangeError& e) {
    EXPECT_NE(std::string(e.what()).find("9"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("[-4..4]"), std::string::npos);
  }
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CheckedInt, ResultsInRangeAreExact) {
  EXPECT_EQ(tv::CheckedAdd(kMax - 1, 1), kMax);
  EXPECT_EQ(tv::CheckedSub(kMin + 1, 1), kMin);
  EXPECT_EQ(tv::CheckedMul(46340, 46340), 2147395600);
  EXPECT_EQ(tv::CheckedDiv(-7, 2), -3);
  EXPECT_EQ(tv::CheckedMod(-7, 2), -1);
  EXPECT_EQ(tv::CheckedMod(kMin, -1), 0);
}

TEST(CheckedInt, OverflowRaisesInsteadOfWrapping) {
  EXPECT_THROW(tv::CheckedAdd(kMax, 1), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedAdd(kMin, -1), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedSub(kMin, 1), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedMul(46341, 46341), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedMul(kMin, -1), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedNeg(kMin), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedDiv(kMin, -1), tv::EIntOverflow);
  EXPECT_THROW(tv::CheckedDiv(1, 0), tv::EInvalidOp);
}

TEST(CheckedInt, TruncationTowardZeroWithinRange) {
  struct Case { const char* name; long double x; std::int32_t expected; };
  const Case cases[] = {
      {"positive fraction", 2.99L, 2},
      {"negative fraction", -2.99L, -2},
      {"largest", 2147483647.999L, kMax},
      {"smallest", -2147483648.999L, kMin},
  };
  for (const auto& c : cases) EXPECT_EQ(tv::TruncToInt32(c.x), c.expected) << c.name;
}

TEST(CheckedInt, TruncationOutsideRangeRaises) {
  EXPECT_THROW(tv::TruncToInt32(2147483648.0L), tv::ERangeError);
  EXPECT_THROW(tv::TruncToInt32(-2147483649.0L), tv::ERangeError);
  EXPECT_THROW(tv::TruncToInt32(std::numeric_limits<long double>::quiet_NaN()), tv::ERangeError);
  EXPECT_THROW(tv::TruncToInt32(std::numeric_limits<long double>::infinity()), tv::ERangeError);
}

TEST(CheckedInt, RoundingHalvesToEven) {
  EXPECT_EQ(tv::RoundHalfEvenToInt32(0.5L), 0);
  EXPECT_EQ(tv::RoundHalfEvenToInt32(1.5L), 2);
  EXPECT_EQ(tv::RoundHalfEvenToInt32(2.5L), 2);
  EXPECT_EQ(tv::RoundHalfEvenToInt32(-2.5L), -2);
  EXPECT_THROW(tv::RoundHalfEvenToInt32(3e9L), tv::ERangeError);
}

TEST(InOutError, CarriesErrnoAndFileName) {
  const tv::EInOutError e(2, "/tmp/x/Tarvelsicht.ini", "open");
  EXPECT_EQ(e.ErrorCode(), 2);
  EXPECT_EQ(e.FileName(), "/tmp/x/Tarvelsicht.ini");
  EXPECT_NE(std::string(e.what()).find("Tarvelsicht.ini"), std::string::npos);
}

}  // namespace
