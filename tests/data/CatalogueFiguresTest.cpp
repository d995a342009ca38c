// The built-in constellation figures after Init_ConstLines and Calc_ConstLabels:
// order and counts, end points at catalogue stars, the given figures, and the
// label places (circular means of the end points).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/Catalogue.h"
#include "data/CatalogueTestData.h"
#include "data/SharedState.h"
#include "platform/Errors.h"

namespace {

using namespace catalogue_test;

class CatalogueFigures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Init_Stars();
    Init_ConstLines();
    Calc_ConstLabels();
  }
};

// Record number of the catalogue star nearest to (RA, DE), and its separation.
std::pair<int, double> NearestStar(double RA, double DE) {
  std::pair<int, double> Best{0, 10.0};
  for (int Record = 1; Record <= 2849; ++Record) {
    const double s = Separation(RA, DE, Stars[Record].RA, Stars[Record].DE);
    if (s < Best.second) Best = {Record, s};
  }
  return Best;
}

// Record numbers of the catalogue stars within Radius (radians) of (RA, DE).
std::vector<int> StarsWithin(double RA, double DE, double Radius) {
  std::vector<int> Out;
  for (int Record = 1; Record <= 2849; ++Record)
    if (Separation(RA, DE, Stars[Record].RA, Stars[Record].DE) <= Radius) Out.push_back(Record);
  return Out;
}

int RecordOfHIP(int HIP) {
  for (int Record = 1; Record <= 2849; ++Record)
    if (Stars[Record].HIP == HIP) return Record;
  return 0;
}

TEST_F(CatalogueFigures, StoredOrderAbbreviationsAndCounts) {
  const std::vector<CsvRow> Expected = ReadCatalogCsv("figure_counts.csv");
  ASSERT_EQ(Expected.size(), 88u);
  int Total = 0;
  for (const CsvRow& Row : Expected) {
    const ConstLine_Type& Line = ConstLines[Int(Row["index"])];
    EXPECT_EQ(Line.Abbr, Row["abbr"]) << "figure " << Row["index"];
    EXPECT_EQ(Line.Count, Int(Row["count"])) << Line.Abbr;
    Total += Line.Count;
  }
  EXPECT_EQ(Total, 672);
  EXPECT_EQ(ConstLines[36].Abbr, "Eri");
  EXPECT_EQ(ConstLines[36].Count, 27);
  EXPECT_EQ(ConstLines[30].Abbr, "Cvn");
}

TEST_F(CatalogueFigures, SlotsBeyondCountStayAllZero) {
  const ConstSeg_Type Zero{};
  for (int i = 1; i <= 88; ++i) {
    const ConstLine_Type& Line = ConstLines[i];
    for (int j = 1; j <= 27; ++j) {
      const bool Used = j <= Line.Count;
      const bool AllZero = std::memcmp(&Line.Seg[j], &Zero, sizeof Zero) == 0;
      EXPECT_NE(Used, AllZero) << Line.Abbr << " slot " << j;
    }
  }
}

// Every end point lies at a catalogue star, except at most one per figure in
// the figures that may hold a place without a star; those lie clear of every
// catalogue star. Distances are those of the stars in light-years.
TEST_F(CatalogueFigures, EndPointsLieAtCatalogueStars) {
  const std::set<std::string> MayHoldNonStar = {"Cet", "CMa", "Cyg", "Gem", "Gru", "Hya", "Lup",
                                                "Men", "Mon", "Peg", "PsA", "Psc", "Sgr", "Vir"};
  int NonStarFigures = 0;
  for (int i = 1; i <= 88; ++i) {
    const ConstLine_Type& Line = ConstLines[i];
    std::set<std::pair<float, float>> NonStars;
    for (int j = 1; j <= Line.Count; ++j) {
      const ConstSeg_Type& Seg = Line.Seg[j];
      const float Ends[2][3] = {{Seg.RA1, Seg.DE1, Seg.Dist1}, {Seg.RA2, Seg.DE2, Seg.Dist2}};
      for (const auto& End : Ends) {
        SCOPED_TRACE(Line.Abbr + " slot " + std::to_string(j) + " at " +
                     std::to_string(End[0]) + ", " + std::to_string(End[1]));
        EXPECT_GE(End[0], 0.0f);
        EXPECT_LT(End[0], static_cast<float>(2 * std::numbers::pi));
        const auto [Record, Distance] = NearestStar(End[0], End[1]);
        if (Distance <= 20 * ArcSec) {
          // Close pairs (alpha Cen A and B) leave the star to be told by its distance.
          bool DistanceOfAStarThere = false;
          for (int r : StarsWithin(End[0], End[1], 20 * ArcSec))
            DistanceOfAStarThere |= std::fabs(End[2] - std::fmin(3.26 * Stars[r].Dist, 2500.0)) <= 0.006;
          EXPECT_TRUE(DistanceOfAStarThere) << End[2] << " ly, nearest HIP " << Stars[Record].HIP;
        } else {
          EXPECT_GT(Distance, 60 * ArcSec) << "end point near, but not at, HIP " << Stars[Record].HIP;
          EXPECT_GT(End[2], 0.0f);
          EXPECT_LE(End[2], 2500.0f);
          NonStars.insert({End[0], End[1]});
        }
      }
    }
    EXPECT_LE(NonStars.size(), 1u) << Line.Abbr;
    if (!NonStars.empty()) {
      ++NonStarFigures;
      EXPECT_TRUE(MayHoldNonStar.count(Line.Abbr)) << Line.Abbr << " holds a place without a star";
    }
  }
  EXPECT_LE(NonStarFigures, 14);
}

TEST_F(CatalogueFigures, GivenFiguresJoinTheGivenStars) {
  std::map<std::string, int> Index;
  for (int i = 1; i <= 88; ++i) Index[ConstLines[i].Abbr] = i;
  std::map<std::string, int> Slots;
  for (const CsvRow& Row : ReadCatalogCsv("fixed_figures.csv")) {
    const ConstLine_Type& Line = ConstLines[Index.at(Row["abbr"])];
    const int Slot = Int(Row["slot"]);
    Slots[Line.Abbr] = Slot;
    const ConstSeg_Type& Seg = Line.Seg[Slot];
    const int Star1 = RecordOfHIP(Int(Row["hip1"]));
    const int Star2 = RecordOfHIP(Int(Row["hip2"]));
    ASSERT_NE(Star1, 0) << Row["hip1"];
    ASSERT_NE(Star2, 0) << Row["hip2"];
    EXPECT_LE(Separation(Seg.RA1, Seg.DE1, Stars[Star1].RA, Stars[Star1].DE), 20 * ArcSec)
        << Line.Abbr << " slot " << Slot << " end 1";
    EXPECT_LE(Separation(Seg.RA2, Seg.DE2, Stars[Star2].RA, Stars[Star2].DE), 20 * ArcSec)
        << Line.Abbr << " slot " << Slot << " end 2";
  }
  const std::map<std::string, int> Expected = {{"Ori", 21}, {"UMa", 19}, {"UMi", 7}, {"Oct", 2}};
  EXPECT_EQ(Slots, Expected);
  for (const auto& [Abbr, Count] : Expected) EXPECT_EQ(ConstLines[Index.at(Abbr)].Count, Count);
}

// The sines and cosines are the singles of the end points' functions; the sums
// add those stored singles (not the unrounded values) and end as means; the
// label angles are the directions of the means.
TEST_F(CatalogueFigures, MeansAddTheStoredSingles) {
  const auto Single = [](double x) { return static_cast<double>(static_cast<float>(x)); };
  for (int i = 1; i <= 88; ++i) {
    const ConstLine_Type& Line = ConstLines[i];
    SCOPED_TRACE(Line.Abbr);
    double Sums[4] = {0, 0, 0, 0};
    for (int j = 1; j <= Line.Count; ++j) {
      const ConstSeg_Type& s = Line.Seg[j];
      const double Stored[2][4] = {{s.SinRA1, s.CosRA1, s.SinDE1, s.CosDE1},
                                   {s.SinRA2, s.CosRA2, s.SinDE2, s.CosDE2}};
      const double Angles[2][2] = {{s.RA1, s.DE1}, {s.RA2, s.DE2}};
      for (int e = 0; e < 2; ++e) {
        const double Exact[4] = {std::sin(Angles[e][0]), std::cos(Angles[e][0]),
                                 std::sin(Angles[e][1]), std::cos(Angles[e][1])};
        for (int k = 0; k < 4; ++k) {
          EXPECT_NEAR(Stored[e][k], Single(Exact[k]), 6e-8) << "slot " << j << " value " << k;
          Sums[k] += Stored[e][k];
        }
      }
    }
    const double n = 2.0 * Line.Count;
    EXPECT_NEAR(Line.SumSinRA, Sums[0] / n, 1e-15);
    EXPECT_NEAR(Line.SumCosRA, Sums[1] / n, 1e-15);
    EXPECT_NEAR(Line.SumSinDE, Sums[2] / n, 1e-15);
    EXPECT_NEAR(Line.SumCosDE, Sums[3] / n, 1e-15);
    EXPECT_NEAR(Line.LabelRA, std::atan2(Line.SumSinRA, Line.SumCosRA), 1e-15);
    EXPECT_NEAR(Line.LabelDE, std::atan2(Line.SumSinDE, Line.SumCosDE), 1e-15);
    EXPECT_GT(Line.LabelRA, -std::numbers::pi);
    EXPECT_LE(Line.LabelRA, std::numbers::pi);
    EXPECT_GT(Line.LabelDE, -std::numbers::pi / 2);
    EXPECT_LT(Line.LabelDE, std::numbers::pi / 2);
  }
}

struct LabelCase {
  const char* Abbr;
  double RA, DE;  // radians
  double Tolerance;  // half a unit of the last digit given
};

TEST_F(CatalogueFigures, LabelPlaces) {
  const LabelCase Cases[] = {
      {"Sex", 2.7014, -0.0088, 5e-5},   // one segment: the midpoint of its ends
      {"Ori", 1.451, 0.099, 5e-4},
      {"UMa", 2.857, 0.941, 5e-4},
      {"UMi", -2.046, 1.375, 5e-4},     // negative, not brought into [0, 2 pi)
      {"Oct", -0.853, -1.396, 5e-4},
      {"Psc", 0.196, 0.173, 5e-4},      // stars on both sides of RA 0
  };
  std::map<std::string, const ConstLine_Type*> ByAbbr;
  for (int i = 1; i <= 88; ++i) ByAbbr[ConstLines[i].Abbr] = &ConstLines[i];
  for (const LabelCase& c : Cases) {
    const ConstLine_Type& Line = *ByAbbr.at(c.Abbr);
    EXPECT_NEAR(Line.LabelRA, c.RA, c.Tolerance) << c.Abbr;
    EXPECT_NEAR(Line.LabelDE, c.DE, c.Tolerance) << c.Abbr;
  }
  const ConstLine_Type& Sex = *ByAbbr.at("Sex");
  EXPECT_NEAR(Sex.SumCosRA, (std::cos(2.7502) + std::cos(2.6526)) / 2, 1e-5);
  EXPECT_NEAR(Sex.SumCosRA, -0.9036, 5e-5);
}

TEST_F(CatalogueFigures, FigureWithoutSegmentsRaisesInsteadOfDividingByZero) {
  ASSERT_EQ(ConstLines[75].Abbr, "Sex");
  ConstLines[75].Count = 0;
  EXPECT_THROW(Calc_ConstLabels(), tv::EInvalidOp);
  ConstLines[75].Count = 1;
  Calc_ConstLabels();
  EXPECT_NEAR(ConstLines[75].LabelRA, 2.7014, 5e-5);
}

}  // namespace
