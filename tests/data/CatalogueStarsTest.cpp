// The built-in star catalogue after Init_Stars: the fixed records bit for bit,
// every other record an unmodified source star, and the table's invariants.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <numbers>
#include <set>
#include <string>

#include "data/Catalogue.h"
#include "data/CatalogueTestData.h"
#include "data/SharedState.h"

namespace {

using namespace catalogue_test;

class CatalogueStars : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Init_Stars(); }
};

// Bitwise equality, so that a last-bit difference or a negative zero shows.
::testing::AssertionResult SameBits(double Actual, double Expected) {
  if (std::bit_cast<std::uint64_t>(Actual) == std::bit_cast<std::uint64_t>(Expected))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::hexfloat << Actual << " is not " << Expected;
}

// Checks every field of Star against the decimal texts of one CSV row.
void ExpectStar(const Star_Type& Star, int Record, int HIP, const std::string& SpType,
                const CsvRow& Row, const char* RA, const char* DE, const char* pmRA,
                const char* pmDE, const char* Dist, const char* RV, const char* Mag) {
  SCOPED_TRACE("record " + std::to_string(Record) + ", HIP " + std::to_string(HIP));
  EXPECT_EQ(Star.HIP, HIP);
  // The length byte and the characters, the unused position staying zero.
  ShortString<3> Class;
  Class.Assign(SpType);
  EXPECT_EQ(Star.SpType.Len, Class.Len) << "class \"" << Star.SpType.Str() << "\"";
  EXPECT_EQ(0, std::memcmp(Star.SpType.Chars, Class.Chars, 3))
      << "class \"" << Star.SpType.Str() << "\", expected \"" << SpType << "\"";
  EXPECT_TRUE(SameBits(Star.RA, Decimal(Row[RA])));
  EXPECT_TRUE(SameBits(Star.DE, Decimal(Row[DE])));
  EXPECT_TRUE(SameBits(Star.pmRA, Decimal(Row[pmRA])));
  EXPECT_TRUE(SameBits(Star.pmDE, Decimal(Row[pmDE])));
  EXPECT_TRUE(SameBits(Star.Dist, Decimal(Row[Dist])));
  EXPECT_TRUE(SameBits(Star.RV, Decimal(Row[RV])));
  EXPECT_TRUE(SameBits(Star.Mag, Decimal(Row[Mag])));
}

std::map<int, CsvRow> FixedRecords() {
  std::map<int, CsvRow> Out;
  for (const CsvRow& Row : ReadCatalogCsv("fixed_records.csv")) Out[Int(Row["record"])] = Row;
  return Out;
}

TEST_F(CatalogueStars, FixedRecordsStandAtTheirNumbersBitForBit) {
  const std::map<int, CsvRow> Fixed = FixedRecords();
  ASSERT_EQ(Fixed.size(), 30u);
  for (const auto& [Record, Row] : Fixed)
    ExpectStar(Stars[Record], Record, Int(Row["hip"]), Row["sptype"], Row, "ra", "de", "pmra",
               "pmde", "dist", "rv", "mag");

  // The ends of the table and the classes that must be neither trimmed nor padded.
  EXPECT_EQ(Stars[1].HIP, 32349);
  EXPECT_EQ(Stars[1].Mag, -1.12);
  EXPECT_EQ(Stars[2849].HIP, 20789);
  EXPECT_EQ(Stars[2849].Mag, 5.52);
  for (int Record : {2197, 2589}) EXPECT_EQ(Stars[Record].SpType.Str(), "N");
  for (int Record : {1013, 1599, 2380, 2647}) EXPECT_EQ(Stars[Record].SpType.Str(), "A ");
}

TEST_F(CatalogueStars, OtherRecordsAreUnmodifiedSourceStars) {
  const std::map<int, CsvRow> Fixed = FixedRecords();
  std::map<int, CsvRow> Source;
  for (const CsvRow& Row : ReadCatalogCsv("stars_source.csv")) Source[Int(Row["hip"])] = Row;
  ASSERT_EQ(Source.size(), 5044u);
  for (int Record = 1; Record <= 2849; ++Record) {
    if (Fixed.count(Record)) continue;
    const auto It = Source.find(Stars[Record].HIP);
    ASSERT_NE(It, Source.end()) << "record " << Record << ": HIP " << Stars[Record].HIP
                                << " is not a source star";
    const CsvRow& Row = It->second;
    ExpectStar(Stars[Record], Record, It->first, Row["spect"].substr(0, 2), Row, "ra_rad",
               "dec_rad", "pmra_arcsec_cosdec", "pmdec_arcsec", "dist_pc", "rv_kms", "vmag");
  }
}

TEST_F(CatalogueStars, TableInvariants) {
  std::set<int> Numbers;
  for (int Record = 1; Record <= 2849; ++Record) {
    const Star_Type& Star = Stars[Record];
    SCOPED_TRACE("record " + std::to_string(Record));
    if (Record > 1) {
      EXPECT_LE(Stars[Record - 1].Mag, Star.Mag) << "magnitude decreases";
    }
    EXPECT_GT(Star.HIP, 0);
    EXPECT_TRUE(Numbers.insert(Star.HIP).second) << "HIP " << Star.HIP << " repeated";
    EXPECT_GE(Star.RA, 0.0);
    EXPECT_LT(Star.RA, 2 * std::numbers::pi);
    EXPECT_LT(std::fabs(Star.DE), std::numbers::pi / 2);
    EXPECT_GT(Star.Dist, 0.0);
    EXPECT_LE(Star.Dist, 2000.0);
    EXPECT_GE(Star.SpType.Len, 1);
    EXPECT_LE(Star.SpType.Len, 3);
    for (int i = Star.SpType.Len; i < 3; ++i) EXPECT_EQ(Star.SpType.Chars[i], '\0');
  }
  EXPECT_EQ(Numbers.size(), 2849u);
}

}  // namespace
