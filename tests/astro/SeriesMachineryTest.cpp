// The machinery shared by the analytic series: fractions, the addition theorem,
// the cosine/sine tables and the term rows (including rows that reuse the previous
// argument times T), and the checked table ranges.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/Series.h"
#include "platform/Errors.h"

namespace {

TEST(SeriesFrac, ReducesIntoUnitInterval) {
  struct Case {
    const char* Name;
    double X;
    double Expected;
  };
  const Case Cases[] = {
      {"negative quarter lifted", -0.25, 0.75},
      {"negative integer", -3.0, 0.0},
      {"positive", 2.75, 0.75},
      {"zero", 0.0, 0.0},
      {"large positive", 123456.5, 0.5},
      {"large negative", -123456.25, 0.75},
      // 1 - 1e-18 rounds to 1: the fraction must still stay below 1.
      {"tiny negative", -1e-18, 0.0},
  };
  for (const Case& c : Cases) {
    const double f = Series_Frac(c.X);
    EXPECT_DOUBLE_EQ(f, c.Expected) << c.Name;
    EXPECT_GE(f, 0.0) << c.Name;
    EXPECT_LT(f, 1.0) << c.Name;
  }
}

TEST(SeriesRotAdd, AddsAnglesAndAllowsAliasedOutputs) {
  const double a = 0.3, b = -2.2;
  double c, s;
  Series_RotAdd(std::cos(a), std::sin(a), std::cos(b), std::sin(b), c, s);
  EXPECT_NEAR(c, std::cos(a + b), 1e-15);
  EXPECT_NEAR(s, std::sin(a + b), 1e-15);

  // Rotating in place, as the explicit terms do: (c, s) += b.
  c = std::cos(a);
  s = std::sin(a);
  Series_RotAdd(c, s, std::cos(b), std::sin(b), c, s);
  EXPECT_NEAR(c, std::cos(a + b), 1e-15);
  EXPECT_NEAR(s, std::sin(a + b), 1e-15);
}

using TSmallWork = TSeriesWork<-2, 4, -3, 0>;

TEST(SeriesWork, OwnTableHoldsMultiplesAndMirrorsNegativeIndices) {
  TSmallWork W(0.5);
  const double M = 0.4;
  W.FillOwn(M);
  for (int k = -2; k <= 4; ++k) {
    EXPECT_NEAR(W.C_own[k], std::cos(k * M), 1e-15) << k;
    EXPECT_NEAR(W.S_own[k], std::sin(k * M), 1e-15) << k;
  }
}

TEST(SeriesWork, PerturberTableFillsDownwardAndKeepsLowerEntries) {
  TSmallWork W(0.5);
  W.SetPerturberZero();
  W.FillPerturber(0.7, -3);
  for (int k = -3; k <= 0; ++k) {
    EXPECT_NEAR(W.C[k], std::cos(k * 0.7), 1e-15) << k;
    EXPECT_NEAR(W.S[k], std::sin(k * 0.7), 1e-15) << k;
  }
  // A later group that fills only index -1 leaves -2 and -3 from the group before.
  W.FillPerturber(0.2, -1);
  EXPECT_NEAR(W.C[-1], std::cos(0.2), 1e-15);
  EXPECT_NEAR(W.S[-1], -std::sin(0.2), 1e-15);
  EXPECT_NEAR(W.C[-3], std::cos(2.1), 1e-15);
  EXPECT_NEAR(W.S[-3], -std::sin(2.1), 1e-15);
}

TEST(SeriesWork, RowsWithNonZeroITReusePreviousArgumentTimesT) {
  const double T = 0.8;
  const double M = 0.4, Mp = 0.7;
  TSmallWork W(T);
  W.FillOwn(M);
  W.SetPerturberZero();
  W.FillPerturber(Mp, -3);

  // Argument 1*M - 2*Mp; the IT rows carry indices far outside the tables, which
  // must not be read.
  const std::array<TSeriesTerm, 3> Rows{{
      {1, -2, 0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0},
      {99, -99, 1, 10.0, 0.0, 0.0, 20.0, 0.0, 0.0},
      {-99, 99, 2, 100.0, 0.0, 0.0, 0.0, 0.0, 300.0},
  }};
  W.ApplyRows(Rows);

  const double c = std::cos(M - 2 * Mp), s = std::sin(M - 2 * Mp);
  EXPECT_NEAR(W.DL, 1.0 * c + 2.0 * s + 10.0 * T * c + 100.0 * T * T * c, 1e-12);
  EXPECT_NEAR(W.DR, 3.0 * c + 4.0 * s + 20.0 * T * s, 1e-12);
  EXPECT_NEAR(W.DB, 5.0 * c + 6.0 * s + 300.0 * T * T * s, 1e-12);
  EXPECT_NEAR(W.U, T * T * c, 1e-15);
  EXPECT_NEAR(W.V, T * T * s, 1e-15);
}

TEST(SeriesWork, RowsWithIndexOutsideTheTablesRaiseRangeError) {
  TSmallWork W(0.1);
  W.FillOwn(0.3);
  W.SetPerturberZero();
  W.FillPerturber(0.5, -3);
  struct Case {
    const char* Name;
    TSeriesTerm Row;
  };
  const Case Cases[] = {
      {"own index above", {5, -1, 0, 1, 0, 0, 0, 0, 0}},
      {"own index below", {-3, -1, 0, 1, 0, 0, 0, 0, 0}},
      {"perturber index above", {1, 1, 0, 1, 0, 0, 0, 0, 0}},
      {"perturber index below", {1, -4, 0, 1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : Cases) {
    const TSeriesTerm& r = c.Row;
    EXPECT_THROW(W.Series_Term(r.I1, r.I, r.IT, r.DLC, r.DLS, r.DRC, r.DRS, r.DBC, r.DBS), tv::ERangeError)
        << c.Name;
  }
}

TEST(SeriesWork, GroupTraceRecordsWhatEachGroupAdded) {
  TSeriesGroupSums Sums;
  TSmallWork W(0.0, &Sums);
  W.DL = 1.0;
  W.DR = 2.0;
  W.EndGroup("First");
  W.DL = W.DL + 0.5;
  W.DB = -3.0;
  W.EndGroup("Second");
  ASSERT_EQ(Sums.Count, 2);
  EXPECT_STREQ(Sums.Groups[0].Name, "First");
  EXPECT_DOUBLE_EQ(Sums.Groups[0].DL, 1.0);
  EXPECT_DOUBLE_EQ(Sums.Groups[0].DR, 2.0);
  EXPECT_STREQ(Sums.Groups[1].Name, "Second");
  EXPECT_DOUBLE_EQ(Sums.Groups[1].DL, 0.5);
  EXPECT_DOUBLE_EQ(Sums.Groups[1].DR, 0.0);
  EXPECT_DOUBLE_EQ(Sums.Groups[1].DB, -3.0);
}

}  // namespace
