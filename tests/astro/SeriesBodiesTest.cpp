// The eight series against their published values (longitude, latitude, radius for
// given T, and what each perturbation group adds at T = 0), and the integrity of
// the generated term tables.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "astro/Series.h"
#include "astro/SeriesJupiterTerms.h"
#include "astro/SeriesMarsTerms.h"
#include "astro/SeriesMercuryTerms.h"
#include "astro/SeriesNeptuneTerms.h"
#include "astro/SeriesSaturnTerms.h"
#include "astro/SeriesSunTerms.h"
#include "astro/SeriesUranusTerms.h"
#include "astro/SeriesVenusTerms.h"

namespace {

using TSeriesFn = void (*)(double, double&, double&, double&, TSeriesGroupSums*);

// Half a unit of the last decimal shown, with room for rounding of the value itself.
double HalfUnit(int Decimals) { return 0.5 * std::pow(10.0, -Decimals) * (1 + 1e-9) + 1e-12; }

TEST(SeriesBodies, PublishedPlacesForGivenT) {
  struct Case {
    const char* Name;
    TSeriesFn Fn;
    double T;
    double L, B, R;
    int LBDecimals, RDecimals;
  };
  const Case Cases[] = {
      {"Sun T=0", Series_Sun, 0.0, 280.37746, 0.00021, 0.98333, 5, 5},
      {"Sun T=0.25", Series_Sun, 0.25, 280.56317, -0.00018, 0.98336, 5, 5},
      {"Mercury T=0", Series_Mercury, 0.0, 253.7830, -3.0225, 0.466472, 4, 6},
      {"Mercury T=-1", Series_Mercury, -1.0, 199.6826, 3.2423, 0.418344, 4, 6},
      {"Mercury T=0.5", Series_Mercury, 0.5, 124.5331, 6.7879, 0.324682, 4, 6},
      {"Venus T=0", Series_Venus, 0.0, 182.6030, 3.2646, 0.720212, 4, 6},
      {"Venus T=-1", Series_Venus, -1.0, 342.3401, -3.3877, 0.727472, 4, 6},
      {"Venus T=0.5", Series_Venus, 0.5, 281.9396, -1.4257, 0.727561, 4, 6},
      {"Mars T=0", Series_Mars, 0.0, 359.4475, -1.4196, 1.391204, 4, 6},
      {"Mars T=-1", Series_Mars, -1.0, 286.1465, -1.5582, 1.421873, 4, 6},
      {"Mars T=0.5", Series_Mars, 0.5, 198.7711, 0.9573, 1.623550, 4, 6},
      {"Jupiter T=0", Series_Jupiter, 0.0, 36.29483, -1.17469, 4.965397, 5, 6},
      {"Jupiter T=1", Series_Jupiter, 1.0, 191.03061, 1.29913, 5.451432, 5, 6},
      {"Jupiter T=-1", Series_Jupiter, -1.0, 234.49775, 0.92495, 5.385029, 5, 6},
      {"Saturn T=0", Series_Saturn, 0.0, 45.72153, -2.30323, 9.183834, 5, 6},
      {"Saturn T=1", Series_Saturn, 1.0, 200.00723, 2.47490, 9.666288, 5, 6},
      {"Saturn T=-1", Series_Saturn, -1.0, 266.49895, 1.10434, 10.066852, 5, 6},
      {"Uranus T=0", Series_Uranus, 0.0, 316.41699, -0.68477, 19.924066, 5, 6},
      {"Uranus T=1", Series_Uranus, 1.0, 20.54504, -0.62478, 19.970553, 5, 6},
      {"Uranus T=-1", Series_Uranus, -1.0, 248.65035, 0.06632, 18.992860, 5, 6},
      {"Neptune T=0", Series_Neptune, 0.0, 303.93296, 0.24171, 30.120278, 5, 6},
      {"Neptune T=1", Series_Neptune, 1.0, 165.58326, 0.95148, 30.207401, 5, 6},
      {"Neptune T=-1", Series_Neptune, -1.0, 85.69302, -1.25820, 29.870802, 5, 6},
  };
  for (const Case& c : Cases) {
    double L, B, R;
    c.Fn(c.T, L, B, R, nullptr);
    EXPECT_NEAR(L, c.L, HalfUnit(c.LBDecimals)) << c.Name;
    EXPECT_NEAR(B, c.B, HalfUnit(c.LBDecimals)) << c.Name;
    EXPECT_NEAR(R, c.R, HalfUnit(c.RDecimals)) << c.Name;
  }
}

TEST(SeriesBodies, GroupSumsAtEpoch) {
  struct Group {
    const char* Name;
    double DL, DR, DB;  // arcseconds, 1e-6 AU, arcseconds
  };
  struct Case {
    const char* Body;
    TSeriesFn Fn;
    std::vector<Group> Groups;
  };
  const Case Cases[] = {
      {"Mercury",
       Series_Mercury,
       {{"Pert_Venus", 5538.708, 71189.314, -8358.962},
        {"Pert_Earth", 0.412, -0.031, -0.047},
        {"Pert_Jupiter", -2.321, 0.161, 0.194},
        {"Pert_Saturn", -0.290, 0.000, 0.000}}},
      {"Venus",
       Series_Venus,
       {{"Pert_Mercury", 0.226, 0.229, 0.008},
        {"Pert_Earth", 2246.688, -3130.035, 11820.270},
        {"Pert_Mars", -0.887, -1.347, 0.007},
        {"Pert_Jupiter", -3.575, -5.092, -0.016},
        {"Pert_Saturn", 0.006, -0.210, -0.007}}},
      {"Mars",
       Series_Mars,
       {{"Pert_Venus", 4.264, -3.509, 0.020},
        {"Pert_Earth", 14426.628, -139189.370, -5705.821},
        {"Pert_Jupiter", -27.471, 55.298, -0.946},
        {"Pert_Saturn", -0.258, 6.493, -0.049}}},
  };
  const double Tol = HalfUnit(3);
  for (const Case& c : Cases) {
    TSeriesGroupSums Sums;
    double L, B, R;
    c.Fn(0.0, L, B, R, &Sums);
    ASSERT_GE(Sums.Count, static_cast<int>(c.Groups.size())) << c.Body;
    for (std::size_t i = 0; i < c.Groups.size(); ++i) {
      const Group& g = c.Groups[i];
      const TSeriesGroupSum& got = Sums.Groups[i];
      const std::string where = std::string(c.Body) + " " + g.Name;
      EXPECT_STREQ(got.Name, g.Name) << where;
      EXPECT_NEAR(got.DL, g.DL, Tol) << where;
      EXPECT_NEAR(got.DR, g.DR, Tol) << where;
      EXPECT_NEAR(got.DB, g.DB, Tol) << where;
    }
  }
}

TEST(SeriesBodies, LongitudeStaysInRangeAndSeriesAreRepeatable) {
  const TSeriesFn Fns[] = {Series_Sun,     Series_Mercury, Series_Venus,  Series_Mars,
                           Series_Jupiter, Series_Saturn,  Series_Uranus, Series_Neptune};
  for (int i = -400; i <= 400; ++i) {
    const double T = i * 0.0123;  // about -4.9 to 4.9 centuries, both signs
    for (TSeriesFn Fn : Fns) {
      double L, B, R, L2, B2, R2;
      Fn(T, L, B, R, nullptr);
      ASSERT_GE(L, 0.0) << T;
      ASSERT_LT(L, 360.0) << T;
      ASSERT_LT(std::fabs(B), 8.0) << T;
      ASSERT_GT(R, 0.3) << T;
      // An evaluation in between must not change the next result.
      Fns[(i + 403) % 8](T + 0.5, L2, B2, R2, nullptr);
      Fn(T, L2, B2, R2, nullptr);
      ASSERT_EQ(L, L2);
      ASSERT_EQ(B, B2);
      ASSERT_EQ(R, R2);
    }
  }
}

// ---- Integrity of the generated term tables ---------------------------------

struct TGroupView {
  const char* Name;
  std::span<const TSeriesTerm> Rows;
};

template <std::size_t N>
TGroupView View(const char* Name, const std::array<TSeriesTerm, N>& Rows) {
  return {Name, std::span<const TSeriesTerm>(Rows.data(), N)};
}

std::vector<TGroupView> AllGroups() {
  return {
      View("Sun Pert_Venus", SeriesSunData::Pert_Venus),
      View("Sun Pert_Mars", SeriesSunData::Pert_Mars),
      View("Sun Pert_Jupiter", SeriesSunData::Pert_Jupiter),
      View("Sun Pert_Saturn", SeriesSunData::Pert_Saturn),
      View("Mercury Pert_Venus", SeriesMercuryData::Pert_Venus),
      View("Mercury Pert_Earth", SeriesMercuryData::Pert_Earth),
      View("Mercury Pert_Jupiter", SeriesMercuryData::Pert_Jupiter),
      View("Mercury Pert_Saturn", SeriesMercuryData::Pert_Saturn),
      View("Venus Pert_Mercury", SeriesVenusData::Pert_Mercury),
      View("Venus Pert_Earth", SeriesVenusData::Pert_Earth),
      View("Venus Pert_Mars", SeriesVenusData::Pert_Mars),
      View("Venus Pert_Jupiter", SeriesVenusData::Pert_Jupiter),
      View("Venus Pert_Saturn", SeriesVenusData::Pert_Saturn),
      View("Mars Pert_Venus", SeriesMarsData::Pert_Venus),
      View("Mars Pert_Earth", SeriesMarsData::Pert_Earth),
      View("Mars Pert_Jupiter", SeriesMarsData::Pert_Jupiter),
      View("Mars Pert_Saturn", SeriesMarsData::Pert_Saturn),
      View("Jupiter Pert_Saturn", SeriesJupiterData::Pert_Saturn),
      View("Jupiter Pert_Uranus", SeriesJupiterData::Pert_Uranus),
      View("Saturn Pert_Jupiter", SeriesSaturnData::Pert_Jupiter),
      View("Saturn Pert_Uranus", SeriesSaturnData::Pert_Uranus),
      View("Saturn Pert_Neptune", SeriesSaturnData::Pert_Neptune),
      View("Uranus Pert_Jupiter", SeriesUranusData::Pert_Jupiter),
      View("Uranus Pert_Saturn", SeriesUranusData::Pert_Saturn),
      View("Uranus Pert_Neptune", SeriesUranusData::Pert_Neptune),
      View("Uranus Pert_JupSat", SeriesUranusData::Pert_JupSat),
      View("Neptune Pert_Jupiter", SeriesNeptuneData::Pert_Jupiter),
      View("Neptune Pert_Saturn", SeriesNeptuneData::Pert_Saturn),
      View("Neptune Pert_Uranus", SeriesNeptuneData::Pert_Uranus),
  };
}

TEST(SeriesTermTables, RowCountsMatchTheGroupSizes) {
  // Rows per group as the coefficient tables give them; 480 in all.
  const int Expected[] = {23, 13, 12, 4,  36, 7, 10, 1,  4,  27, 3, 6, 2, 12, 53,
                          29, 12, 48, 2,  54, 14, 3, 7, 19, 35, 9, 5, 6, 24};
  const std::vector<TGroupView> Groups = AllGroups();
  ASSERT_EQ(Groups.size(), std::size(Expected));
  int Total = 0;
  for (std::size_t i = 0; i < Groups.size(); ++i) {
    EXPECT_EQ(static_cast<int>(Groups[i].Rows.size()), Expected[i]) << Groups[i].Name;
    Total += static_cast<int>(Groups[i].Rows.size());
  }
  EXPECT_EQ(Total, 480);
}

TEST(SeriesTermTables, RowsAreCompleteAndPowerRowsFollowTheirArgument) {
  for (const TGroupView& g : AllGroups()) {
    for (std::size_t i = 0; i < g.Rows.size(); ++i) {
      const TSeriesTerm& r = g.Rows[i];
      const std::string where = std::string(g.Name) + " row " + std::to_string(i + 1);
      // A row left out of an initialiser would be all zero.
      const bool AllZero = r.I1 == 0 && r.I == 0 && r.IT == 0 && r.DLC == 0 && r.DLS == 0 && r.DRC == 0 &&
                           r.DRS == 0 && r.DBC == 0 && r.DBS == 0;
      EXPECT_FALSE(AllZero) << where;
      EXPECT_GE(r.IT, 0) << where;
      EXPECT_LE(r.IT, 3) << where;
      if (r.IT > 0) {
        ASSERT_GT(i, 0u) << where;
        const TSeriesTerm& p = g.Rows[i - 1];
        EXPECT_EQ(p.IT, r.IT - 1) << where;
        EXPECT_EQ(p.I1, r.I1) << where;
        EXPECT_EQ(p.I, r.I) << where;
      }
    }
  }
}

TEST(SeriesTermTables, NeptuneKeepsItsRepeatedEllipticRow) {
  // The row (1, 0, 0) stands in every Neptune group, twice in the Uranus group; each
  // carries its own coefficients.
  auto Count = [](std::span<const TSeriesTerm> Rows) {
    int n = 0;
    for (const TSeriesTerm& r : Rows) n += (r.I1 == 1 && r.I == 0 && r.IT == 0) ? 1 : 0;
    return n;
  };
  EXPECT_EQ(Count(SeriesNeptuneData::Pert_Jupiter), 1);
  EXPECT_EQ(Count(SeriesNeptuneData::Pert_Saturn), 1);
  EXPECT_EQ(Count(SeriesNeptuneData::Pert_Uranus), 2);
  EXPECT_EQ(SeriesNeptuneData::Pert_Uranus[0].I1, 1);
  EXPECT_EQ(SeriesNeptuneData::Pert_Uranus[7].I1, 1);
  EXPECT_EQ(SeriesNeptuneData::Pert_Uranus[7].I, 0);
}

}  // namespace
