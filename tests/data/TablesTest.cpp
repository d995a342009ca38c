#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/SharedState.h"
#include "data/Tables.h"
#include "data/Utf8Text.h"

namespace {

std::vector<std::string> Abbreviations(const std::string& statusText) {
  std::vector<std::string> list;
  std::string rest = statusText.substr(12);
  std::size_t start = 0;
  while (true) {
    const std::size_t end = rest.find("; ", start);
    list.push_back(rest.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return list;
}

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

class TimeZones : public ::testing::Test {
 protected:
  void SetUp() override { Init_TZones(); }
};

TEST_F(TimeZones, SpotChecks) {
  struct Case {
    int Index;
    double Offset;
    const char* Name;
    const char* StatusText;
  };
  const Case cases[] = {
      {0, -12.0, "UTC-12   ", "UTC-12      BIT; IDLW"},
      {3, -9.5, "UTC-09:30", "UTC-09:30   MART; MIT"},
      {12, -2.5, "UTC-02:30", "UTC-02:30   NDT"},
      {15, 0.0, "UTC\xC2\xB1" "00   ", "UTC\xC2\xB1" "00      AZOST; EGST; GMT; UTC; WET"},
      {17, 2.0, "UTC+02   ", "UTC+02      CAT; CEST; EET; HAEC; IST; KALT; MEST; SAST; WAST"},
      {24, 5.75, "UTC+05:45", "UTC+05:45   NPT"},
      {38, 13.75, "UTC+13:45", "UTC+13:45   CHADT"},
      {39, 14.0, "UTC+14   ", "UTC+14      LINT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Index);
    EXPECT_EQ(TZones[c.Index].Offset, c.Offset);
    EXPECT_EQ(TZones[c.Index].Name, c.Name);
    EXPECT_EQ(TZones[c.Index].StatusText, c.StatusText);
  }
}

// The name is a function of the offset: sign, two-digit hours, and ":30" or
// ":45" for the fractions, blank-padded to 9 characters ("±" counts as one).
TEST_F(TimeZones, NamesFollowFromOffsetsAndStatusTextsFromNames) {
  std::set<std::string> names;
  for (int i = 0; i <= 39; ++i) {
    SCOPED_TRACE(i);
    const tTZone_Ary& zone = TZones[i];
    if (i > 0) {
      EXPECT_GT(zone.Offset, TZones[i - 1].Offset);
    }
    EXPECT_EQ(zone.Offset == 0.0, i == 15);

    const double magnitude = std::fabs(zone.Offset);
    const int hours = static_cast<int>(magnitude);
    const double fraction = magnitude - hours;
    char expected[32];
    std::snprintf(expected, sizeof expected, "UTC%s%02d%s", zone.Offset > 0 ? "+" : zone.Offset < 0 ? "-" : "\xC2\xB1",
                  hours, fraction == 0.5 ? ":30" : fraction == 0.75 ? ":45" : "");
    EXPECT_TRUE(fraction == 0.0 || fraction == 0.5 || fraction == 0.75);
    EXPECT_EQ(TrimRight(zone.Name), expected);
    EXPECT_EQ(Utf8Length(zone.Name), 9u);
    EXPECT_EQ(Utf8Length(TrimRight(zone.Name)), fraction == 0.0 ? 6u : 9u);
    names.insert(zone.Name);

    ASSERT_EQ(zone.StatusText.rfind(zone.Name + "   ", 0), 0u);
    const std::vector<std::string> list = Abbreviations(zone.StatusText);
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
  }
  EXPECT_EQ(names.size(), 40u);
}

TEST_F(TimeZones, AbbreviationCountsAndExtremes) {
  std::size_t total = 0;
  std::set<std::string> distinct;
  std::size_t shortest = 1000, longest = 0;
  int longestIndex = -1;
  std::vector<int> shortestIndices;
  for (int i = 0; i <= 39; ++i) {
    const std::vector<std::string> list = Abbreviations(TZones[i].StatusText);
    total += list.size();
    distinct.insert(list.begin(), list.end());
    const std::size_t length = Utf8Length(TZones[i].StatusText);
    if (length > longest) longest = length, longestIndex = i;
    if (length < shortest) shortest = length, shortestIndices.clear();
    if (length == shortest) shortestIndices.push_back(i);
  }
  EXPECT_EQ(total, 196u);
  EXPECT_EQ(distinct.size(), 182u);
  EXPECT_EQ(shortest, 15u);
  EXPECT_EQ(shortestIndices, (std::vector<int>{12, 24}));
  EXPECT_EQ(longestIndex, 28);
  EXPECT_EQ(longest, 100u);
  EXPECT_EQ(Abbreviations(TZones[28].StatusText).size(), 17u);
}

class InterfaceTexts : public ::testing::Test {
 protected:
  void SetUp() override { Init_Texts(); }
};

TEST_F(InterfaceTexts, SpotChecks) {
  struct Case {
    int Row;
    int Language;
    const char* Text;
  };
  const Case cases[] = {
      {1, 2, "Temps réel"},
      {4, 0, "Planets"},
      {4, 2, "Planètes"},
      {5, 0, "grössere Schrift"},
      {7, 0, "Mitternacht"},
      {7, 2, "Minuit"},
      {8, 0, "Weltzeit UT"},
      {9, 1, "D.S.T."},
      {9, 2, "Heure d'été"},
      {15, 0, "Geogr. Länge +=O -=W"},
      {15, 2, "Longitude géogr. +=E -=O"},
      {16, 0, "N"}, {17, 0, "O"}, {17, 1, "E"}, {17, 2, "E"},
      {18, 2, "S"}, {19, 0, "W"}, {19, 1, "W"}, {19, 2, "O"},
      {21, 2, "Mouvement propre des étoiles"},
      {32, 0, "Körper   "}, {32, 1, "Body     "}, {32, 2, "Object   "},
      {36, 2, "Crépuscule astronomique"},
      {38, 0, "Bürgerl. Dämmerung"},
      {44, 0, "Jahr"}, {44, 1, "Year"}, {44, 2, "Année"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.Row << " language " << c.Language);
    EXPECT_EQ(Texts[c.Row][c.Language], c.Text);
  }
}

TEST_F(InterfaceTexts, ShapeOfTheTable) {
  for (int row = 1; row <= 50; ++row)
    for (int language = 0; language <= 2; ++language)
      EXPECT_EQ(Texts[row][language].empty(), row >= 45) << row << "/" << language;
  for (int language = 0; language <= 2; ++language) {
    EXPECT_EQ(Utf8Length(Texts[32][language]), 9u);
    EXPECT_EQ(Texts[2][language], Texts[23][language]);
    EXPECT_EQ(Texts[3][language], Texts[24][language]);
    EXPECT_EQ(Texts[22][language], Texts[41][language]);
  }
  EXPECT_THROW(Texts[51][0], tv::ERangeError);
  EXPECT_THROW(Texts[1][3], tv::ERangeError);
}

TEST_F(InterfaceTexts, MonthNamesAndAbbreviations) {
  EXPECT_EQ(MonthNames[(3 - 1) * 3 + 0], "März");
  EXPECT_EQ(MonthNames[(8 - 1) * 3 + 2], "Aout");
  EXPECT_EQ(MonthNames[(12 - 1) * 3 + 1], "December");
  EXPECT_EQ(MonthAbbrevs[(12 - 1) * 3 + 2], "Dec");
  EXPECT_EQ(MonthAbbrevs[(3 - 1) * 3 + 0], "Mär");
  EXPECT_EQ(MonthAbbrevs[(2 - 1) * 3 + 2], "Fev");
  EXPECT_EQ(MonthAbbrevs[(4 - 1) * 3 + 2], "Apr");  // French "Avril"
  for (int i = 0; i <= 35; ++i) {
    EXPECT_EQ(Utf8Length(MonthAbbrevs[i]), 3u) << i;
    EXPECT_FALSE(MonthNames[i].empty()) << i;
  }
}

TEST(Utf8Text, CountsCharactersAndCutsOnlyBetweenThem) {
  EXPECT_EQ(Utf8Length(""), 0u);
  EXPECT_EQ(Utf8Length("UTC±00   "), 9u);
  EXPECT_EQ(Utf8Length("Année"), 5u);
  EXPECT_EQ(Utf8Prefix("Année", 3, 100), "Ann");
  EXPECT_EQ(Utf8Prefix("Année", 5, 4), "Ann");  // "é" needs two bytes
  EXPECT_EQ(Utf8Prefix("Année", 5, 5), "Anné");
  EXPECT_EQ(Utf8Prefix("Année", 5, 6), "Année");
  EXPECT_EQ(Utf8Prefix("±", 1, 1), "");
  EXPECT_EQ(Utf8Prefix("abc", 0, 10), "");
}

TEST(Utf8Text, PrintableFormReplacesEveryByteThatIsNoPrintableCharacter) {
  struct Case {
    const char* Name;
    std::string Text, Shown;
  } const Cases[] = {
      {"plain", "1.34.0.0 ~", "1.34.0.0 ~"},
      {"whole characters", "Année ±5 \xE2\x82\xAC \xF0\x9F\x8C\x99", "Année ±5 \xE2\x82\xAC \xF0\x9F\x8C\x99"},
      {"zero, controls, delete", std::string("a\0b\t\r\n\x1F\x7F", 8), "a?b?????"},
      {"C1 control U+0085", "x\xC2\x85y", "x??y"},
      {"no-break space U+00A0", "x\xC2\xA0y", "x\xC2\xA0y"},
      {"stray continuation byte", "\x80\xBF", "??"},
      {"overlong forms", "\xC0\xAF\xE0\x80\xAF", "?????"},
      {"surrogate", "\xED\xA0\x80", "???"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
      {"sequence cut by the end", "ok\xE2\x82", "ok??"},
      {"sequence cut by an ASCII byte", "\xC3" "A", "?A"},
  };
  for (const Case& c : Cases) EXPECT_EQ(Utf8Printable(c.Text), c.Shown) << c.Name;
}

}  // namespace
