// The twilight series search: period lengths, list lines, the moments found at
// known places (checked against an independent solar position), the crossings
// of the other kind, the repeated moment of the light summer nights, the walk
// that is given up, and what the search leaves in the shared state.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "astro/Astronom.h"
#include "astro/astrolib.h"
#include "data/SharedState.h"
#include "platform/Errors.h"
#include "ui/logic/TwilightSearch.h"

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// The Sun's altitude and azimuth (degrees; azimuth from the south, west
// positive) after the Astronomical Almanac's low-precision formulae, written
// apart from the program's own Sun, sidereal time and conversion: about 0.01
// degree near the present.
struct TSunPlace {
  double Alt, Az;
};
TSunPlace IndependentSun(double JD, double LatDeg, double LonDeg) {
  const double n = JD - 2451545.0;
  const double L = 280.460 + 0.9856474 * n;
  const double g = (357.528 + 0.9856003 * n) * kDeg;
  const double lambda = (L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kDeg;
  const double eps = (23.439 - 0.0000004 * n) * kDeg;
  const double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda));
  const double dec = std::asin(std::sin(eps) * std::sin(lambda));
  const double gmstHours = 18.697374558 + 24.06570982441908 * n;
  const double H = std::fmod(gmstHours * 15, 360) * kDeg + LonDeg * kDeg - ra;
  const double lat = LatDeg * kDeg;
  const double alt = std::asin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(H));
  const double az = std::atan2(std::sin(H), std::cos(H) * std::sin(lat) - std::tan(dec) * std::cos(lat));
  return {alt / kDeg, az / kDeg};
}

double JDOf(int Year, int Month, int Day, double Hour) {
  double JD = 0;
  DateToJD(Year, Month, Day, Hour, 0, 0, JD);
  return JD;
}

TTwilightRequest Request(std::string_view Event, TSeriesPeriod Period, std::int32_t Index, std::int32_t Year,
                         double Lat, double Lon) {
  const TTwilightEvent* e = FindTwilightEvent(Event);
  EXPECT_NE(e, nullptr) << Event;
  TTwilightRequest r;
  r.EventAlt = EventAltitude(*e);
  r.FirstStep = e->FirstStep;
  r.Period = Period;
  r.PeriodIndex = Index;
  r.Year = Year;
  r.nLat = Lat;
  r.eLon = Lon;
  return r;
}

// Every found day: the Sun stands at the target by the independent formulae,
// rising (morning) or setting (evening) as Rising says, at the azimuth listed;
// and the search closed in to well within a second of the crossing.
void ExpectAtTarget(const TTwilightSeries& s, const TTwilightRequest& r, bool Rising, const char* name) {
  const double target = r.EventAlt / kDeg;
  for (std::size_t i = 0; i < s.Days.size(); ++i) {
    const TTwilightDay& d = s.Days[i];
    ASSERT_TRUE(d.Found) << name << " day " << i + 1;
    const TSunPlace at = IndependentSun(d.EventJD, r.nLat, r.eLon);
    EXPECT_NEAR(at.Alt, target, 0.03) << name << " day " << i + 1;
    EXPECT_NEAR(at.Az, d.HorAzi / kDeg, 0.05) << name << " day " << i + 1;
    const double later = IndependentSun(d.EventJD + 300.0 / 86400, r.nLat, r.eLon).Alt;
    EXPECT_EQ(later > at.Alt, Rising) << name << " day " << i + 1;
    // 0.274 s at most at a quarter degree per minute of time.
    EXPECT_LT(std::fabs(d.Difference), 2.5e-5) << name << " day " << i + 1;
  }
}

TEST(twilightSearch, PeriodLengths) {
  struct Row {
    const char* name;
    TSeriesPeriod period;
    std::int32_t index, year, days;
  };
  const Row rows[] = {
      {"February 2019", TSeriesPeriod::Month, 2, 2019, 28},
      {"February 2020", TSeriesPeriod::Month, 2, 2020, 29},
      {"February 2000", TSeriesPeriod::Month, 2, 2000, 29},
      {"February 2100", TSeriesPeriod::Month, 2, 2100, 28},
      {"February 2400", TSeriesPeriod::Month, 2, 2400, 29},
      {"April", TSeriesPeriod::Month, 4, 2019, 30},
      {"November", TSeriesPeriod::Month, 11, 2019, 30},
      {"December", TSeriesPeriod::Month, 12, 2019, 31},
      {"Q1 2019", TSeriesPeriod::Quarter, 1, 2019, 90},
      {"Q1 2100", TSeriesPeriod::Quarter, 1, 2100, 90},
      {"Q1 2020", TSeriesPeriod::Quarter, 1, 2020, 91},
      {"Q1 2000", TSeriesPeriod::Quarter, 1, 2000, 91},
      {"Q2", TSeriesPeriod::Quarter, 2, 2019, 91},
      {"Q3", TSeriesPeriod::Quarter, 3, 2020, 92},
      {"Q4", TSeriesPeriod::Quarter, 4, 2019, 92},
      {"year 2019", TSeriesPeriod::Year, 1, 2019, 365},
      {"year 1900", TSeriesPeriod::Year, 1, 1900, 365},
      {"year 2020", TSeriesPeriod::Year, 1, 2020, 366},
      {"year 2000", TSeriesPeriod::Year, 1, 2000, 366},
      {"year 2100", TSeriesPeriod::Year, 1, 2100, 365},
      {"year -4 (proleptic)", TSeriesPeriod::Year, 1, -4, 366},
  };
  for (const Row& r : rows) EXPECT_EQ(SeriesDays(r.period, r.index, r.year), r.days) << r.name;

  // The series itself: one line and one moment per day, a day apart, from the
  // period's first day on (February 2020 at 47.5 N: sunsets near 16:30 UT).
  const TTwilightSeries s = FindTwilightSeries(Request("SUnter", TSeriesPeriod::Month, 2, 2020, 47.5, 7.5));
  ASSERT_EQ(s.Days.size(), 29u);
  EXPECT_NE(s.Days[0].Line.find("2020-02-01 16:"), std::string::npos) << s.Days[0].Line;
  EXPECT_NE(s.Days[28].Line.find("2020-02-29 17:"), std::string::npos) << s.Days[28].Line;
  for (std::size_t i = 1; i < s.Days.size(); ++i)
    EXPECT_NEAR(s.Days[i].EventJD - s.Days[i - 1].EventJD, 1.0, 0.002) << "day " << i + 1;

  EXPECT_EQ(SeriesFirstMonth(TSeriesPeriod::Quarter, 3), 7);
  EXPECT_EQ(SeriesFirstMonth(TSeriesPeriod::Year, 99), 1);  // not read for the year
  EXPECT_THROW(SeriesDays(TSeriesPeriod::Month, 13, 2019), tv::ERangeError);
  EXPECT_THROW(SeriesDays(TSeriesPeriod::Month, 0, 2019), tv::ERangeError);
  EXPECT_THROW(SeriesDays(TSeriesPeriod::Quarter, 5, 2019), tv::ERangeError);
  EXPECT_THROW(FindTwilightSeries(Request("SUnter", TSeriesPeriod::Quarter, 0, 2019, 47.5, 7.5)),
               tv::ERangeError);
}

TEST(twilightSearch, ListLines) {
  // The worked line, with the point and with a regional comma.
  EXPECT_EQ(TwilightLine(7, 2458491.25, 60.5, -6.0, "."), "  7  2458491.2500  2019-01-07 18:00:00 UT 60.50 -6.00");
  EXPECT_EQ(TwilightLine(7, 2458491.25, 60.5, -6.0, ","), "  7  2458491,2500  2019-01-07 18:00:00 UT 60,50 -6,00");
  // Three-digit day, a second of 59.6 listed as 60, an azimuth that rounds to zero.
  const double late = JDOf(2019, 1, 7, 0) + (47 * 60 + 59.6) / 86400;
  EXPECT_EQ(TwilightLine(366, late, -0.004, -18.0, "."), "366  2458490.5333  2019-01-07 00:47:60 UT 0.00 -18.00");
  EXPECT_EQ(TwilightNotFoundLine(1, JDOf(2019, 1, 1, 12), "."), "  1  2458485.0000  2019-01-01 12:00:00 UT --- ---");
}

TEST(twilightSearch, EventsOfThePanel) {
  const char* order[8] = {"MAstrD", "MNautD", "MBurgD", "SAufga", "SUnter", "ABurgD", "ANautD", "AAstrD"};
  const double degrees[8] = {-18, -12, -6, -5.0 / 6, -5.0 / 6, -6, -12, -18};
  for (int k = 0; k < 8; ++k) {
    const TTwilightEvent& e = TwilightEvents[k];
    EXPECT_EQ(e.Name, order[k]);
    EXPECT_DOUBLE_EQ(EventAltitude(e), degrees[k] * kDeg) << order[k];
    EXPECT_DOUBLE_EQ(e.FirstStep, k < 4 ? -1.0 / 144 : 1.0 / 144) << order[k];
    EXPECT_EQ(e.SkyRow, k < 4 ? 34 : 35) << order[k];
    EXPECT_EQ(FindTwilightEvent(order[k]), &e);
  }
  EXPECT_EQ(TwilightEvents[3].NameRow, 39);  // sunrise
  EXPECT_EQ(TwilightEvents[4].NameRow, 40);  // sunset
  EXPECT_EQ(TwilightEvents[0].NameRow, TwilightEvents[7].NameRow);
  EXPECT_EQ(FindTwilightEvent("Sunrise"), nullptr);
}

TEST(twilightSearch, SunriseAndSunsetFirstQuarter2019At47NorthAnd7East) {
  const TTwilightRequest rise = Request("SAufga", TSeriesPeriod::Quarter, 1, 2019, 47.5, 7.5);
  const TTwilightSeries morning = FindTwilightSeries(rise);
  ASSERT_EQ(morning.Days.size(), 90u);
  EXPECT_NEAR(morning.Days[0].EventJD, 2458484.804, 0.0005);  // near 07:18 UT
  EXPECT_NEAR(morning.Days[0].HorAzi / kDeg, -55.7, 0.1);
  EXPECT_EQ(morning.Days[0].Line.substr(0, 41), "  1  2458484.8040  2019-01-01 07:17:49 UT");
  EXPECT_EQ(morning.Days[0].Line.substr(morning.Days[0].Line.size() - 6), " -0.83");
  ExpectAtTarget(morning, rise, /*Rising=*/true, "sunrise");

  const TTwilightRequest set = Request("SUnter", TSeriesPeriod::Quarter, 1, 2019, 47.5, 7.5);
  const TTwilightSeries evening = FindTwilightSeries(set);
  ASSERT_EQ(evening.Days.size(), 90u);
  EXPECT_NE(evening.Days[0].Line.find("2019-01-01 15:49:"), std::string::npos) << evening.Days[0].Line;
  EXPECT_NEAR(evening.Days[0].HorAzi / kDeg, 55.8, 0.1);
  ExpectAtTarget(evening, set, /*Rising=*/false, "sunset");
  // The last day, 31 March: days have grown by some four hours since January.
  const double dayLength = evening.Days[89].EventJD - morning.Days[89].EventJD;
  EXPECT_NEAR(dayLength * 24, 12.8, 0.2);
}

TEST(twilightSearch, CrossingsOfTheOtherKind) {
  // 151.2 E, 33.9 S: 12:00 UT is late in the local evening, so the morning
  // series walks back to that evening's sunset.
  const TTwilightRequest sydney = Request("SAufga", TSeriesPeriod::Month, 1, 2019, -33.9, 151.2);
  const TTwilightSeries s1 = FindTwilightSeries(sydney);
  ASSERT_EQ(s1.Days.size(), 31u);
  EXPECT_NE(s1.Days[0].Line.find("2019-01-01 09:09:"), std::string::npos) << s1.Days[0].Line;
  ExpectAtTarget(s1, sydney, /*Rising=*/false, "Sydney morning series");
  for (const TTwilightDay& d : s1.Days) EXPECT_GT(d.HorAzi, 0) << d.Line;

  // 122 W, 37.5 N: 12:00 UT is before local dawn. The evening series finds
  // the sunrises, the morning series the sunsets of the evening before.
  const TTwilightRequest evening = Request("SUnter", TSeriesPeriod::Month, 1, 2019, 37.5, -122);
  const TTwilightSeries s2 = FindTwilightSeries(evening);
  ExpectAtTarget(s2, evening, /*Rising=*/true, "California evening series");
  for (const TTwilightDay& d : s2.Days) EXPECT_LT(d.HorAzi, 0) << d.Line;
  EXPECT_NE(s2.Days[0].Line.find("2019-01-01 15:"), std::string::npos) << s2.Days[0].Line;

  const TTwilightRequest morning = Request("SAufga", TSeriesPeriod::Month, 1, 2019, 37.5, -122);
  const TTwilightSeries s3 = FindTwilightSeries(morning);
  ExpectAtTarget(s3, morning, /*Rising=*/false, "California morning series");
  for (std::size_t i = 0; i < s3.Days.size(); ++i) {
    EXPECT_GT(s3.Days[i].HorAzi, 0) << s3.Days[i].Line;
    // Within the 12 hours before the day's 12:00 UT start.
    const double before = JDOf(2019, 1, 1, 12) + static_cast<double>(i) - s3.Days[i].EventJD;
    EXPECT_GT(before, 0) << s3.Days[i].Line;
    EXPECT_LT(before, 0.5) << s3.Days[i].Line;
  }
}

TEST(twilightSearch, LightSummerNightsRepeatOneMoment) {
  // At 55 N the Sun stays above -18 degrees all night from early May to early
  // August: the morning series lists the last crossing before those nights
  // for every such day, the evening series the first one after them.
  const TTwilightRequest mr = Request("MAstrD", TSeriesPeriod::Year, 1, 2019, 55, 7.5);
  const TTwilightRequest er = Request("AAstrD", TSeriesPeriod::Year, 1, 2019, 55, 7.5);
  const TTwilightSeries m = FindTwilightSeries(mr);
  const TTwilightSeries e = FindTwilightSeries(er);
  ASSERT_EQ(m.Days.size(), 365u);
  ExpectAtTarget(m, mr, /*Rising=*/true, "55 N morning");
  ExpectAtTarget(e, er, /*Rising=*/false, "55 N evening");

  const double may1 = JDOf(2019, 5, 1, 0), may15 = JDOf(2019, 5, 15, 0);
  const double aug1 = JDOf(2019, 8, 1, 0), aug15 = JDOf(2019, 8, 15, 0);
  const std::size_t june21 = 171;  // day index of 21 June
  const double mLast = m.Days[june21].EventJD, eFirst = e.Days[june21].EventJD;
  EXPECT_GT(mLast, may1);
  EXPECT_LT(mLast, may15);
  EXPECT_GT(eFirst, aug1);
  EXPECT_LT(eFirst, aug15);
  int mSame = 0, eSame = 0;
  for (std::size_t i = 0; i < 365; ++i) {
    // The same moment within a second (each day's walk rounds on its own).
    if (std::fabs(m.Days[i].EventJD - mLast) < 1.0 / 86400) ++mSame;
    if (std::fabs(e.Days[i].EventJD - eFirst) < 1.0 / 86400) ++eSame;
  }
  EXPECT_GT(mSame, 80);
  EXPECT_LT(mSame, 100);
  EXPECT_GT(eSame, 80);
  EXPECT_LT(eSame, 100);
  // Such a walk crosses many days: midsummer's walk is the longest of all.
  EXPECT_GT(m.Days[june21].Trials, 40 * 144);
  // The same mirrored at 55 S around December.
  const TTwilightSeries south = FindTwilightSeries(Request("MAstrD", TSeriesPeriod::Month, 12, 2019, -55, 7.5));
  for (const TTwilightDay& d : south.Days) {
    EXPECT_NEAR(d.EventJD, south.Days[0].EventJD, 1.0 / 86400) << d.Line;
    EXPECT_LT(d.EventJD, JDOf(2019, 11, 20, 0)) << d.Line;
  }
  // A line lists the UT date of its moment, not the day it belongs to: the
  // morning twilight of 7 May falls before midnight UT.
  EXPECT_EQ(m.Days[126].Line.substr(0, 3), "127");
  EXPECT_NE(m.Days[126].Line.find(" 2019-05-06 23:"), std::string::npos) << m.Days[126].Line;
}

TEST(twilightSearch, SkippingTrialsChangesNoResult) {
  // Where the altitude cannot reach the target the search walks on without
  // computing it; the plain walk computes every trial. Both give the same.
  struct Row {
    const char* name;
    TTwilightRequest request;
  };
  const Row rows[] = {
      {"worst year, morning", Request("MAstrD", TSeriesPeriod::Year, 1, 2019, 55, 7.5)},
      {"worst year, evening", Request("AAstrD", TSeriesPeriod::Year, 1, 2020, 55, -3)},
      {"55 S, last quarter", Request("ANautD", TSeriesPeriod::Quarter, 4, 2019, -55, 170)},
      {"sunrise, first quarter", Request("SAufga", TSeriesPeriod::Quarter, 1, 2019, 47.5, 7.5)},
      {"kinds change at 90 E", Request("MBurgD", TSeriesPeriod::Quarter, 2, 2019, 30, 90)},
      {"equator, sunset", Request("SUnter", TSeriesPeriod::Month, 3, 2019, 0, 0)},
      {"Sydney, morning", Request("SAufga", TSeriesPeriod::Month, 1, 2019, -33.9, 151.2)},
  };
  for (const Row& r : rows) {
    TTwilightRequest plain = r.request;
    plain.PlainWalk = true;
    const TTwilightSeries fast = FindTwilightSeries(r.request);
    const TTwilightSeries slow = FindTwilightSeries(plain);
    ASSERT_EQ(fast.Days.size(), slow.Days.size()) << r.name;
    for (std::size_t i = 0; i < fast.Days.size(); ++i) {
      EXPECT_EQ(fast.Days[i].EventJD, slow.Days[i].EventJD) << r.name << " day " << i + 1;
      EXPECT_EQ(fast.Days[i].HorAzi, slow.Days[i].HorAzi) << r.name << " day " << i + 1;
      EXPECT_EQ(fast.Days[i].Line, slow.Days[i].Line) << r.name << " day " << i + 1;
      EXPECT_EQ(fast.Days[i].Trials, slow.Days[i].Trials) << r.name << " day " << i + 1;
    }
    EXPECT_EQ(fast.Trials, slow.Trials) << r.name;
    EXPECT_EQ(slow.Evaluations, slow.Trials) << r.name;
    EXPECT_LE(fast.Evaluations, slow.Evaluations) << r.name;
    EXPECT_EQ(fast.FinalGMST, slow.FinalGMST) << r.name;
    EXPECT_EQ(fast.FinalHorAlt, slow.FinalHorAlt) << r.name;
    EXPECT_EQ(fast.FinalHorAzi, slow.FinalHorAzi) << r.name;
  }
}

TEST(twilightSearch, SharedStateAfterTheSearch) {
  JD_UT = 2458600.5;
  SunRA = 1.25;
  SunDec = -0.5;
  for (int i = 0; i <= 366; ++i) EventJD[i] = -1.0;
  const TTwilightSeries s = FindTwilightSeries(Request("ANautD", TSeriesPeriod::Month, 2, 2019, 47.5, 7.5));
  const TTwilightDay& last = s.Days.back();
  // The search itself leaves the last trial's sidereal time, difference and
  // azimuth, and touches neither the time shown nor the shared Sun nor EventJD.
  EXPECT_DOUBLE_EQ(GMST, GMST_Rad(last.EventJD) * 3.819718634205488);
  EXPECT_EQ(HorAlt, last.Difference);
  EXPECT_EQ(HorAzi, last.HorAzi);
  EXPECT_EQ(JD_UT, 2458600.5);
  EXPECT_EQ(SunRA, 1.25);
  EXPECT_EQ(SunDec, -0.5);
  EXPECT_EQ(EventJD[0], -1.0);

  // Applying it later restores the same values and fills EventJD for the 28
  // days; the tail of an earlier, longer series stays.
  GMST = HorAlt = HorAzi = 0;
  ApplyTwilightSeries(s);
  EXPECT_EQ(GMST, s.FinalGMST);
  EXPECT_EQ(HorAlt, last.Difference);
  EXPECT_EQ(HorAzi, last.HorAzi);
  for (int i = 0; i < 28; ++i) EXPECT_EQ(EventJD[i], s.Days[static_cast<std::size_t>(i)].EventJD) << i;
  EXPECT_EQ(EventJD[28], -1.0);
  EXPECT_EQ(EventJD[366], -1.0);

  // The window's request reads the shared inputs.
  EventAlt = -12 * kDeg;
  PeriodIndex = 3;
  Jahr_UT = 2021;
  nLat = 12.5;
  eLon = -45.25;
  const TTwilightRequest r = TwilightRequestFromState(TSeriesPeriod::Quarter, 1.0 / 144, ",");
  EXPECT_EQ(r.EventAlt, -12 * kDeg);
  EXPECT_EQ(r.PeriodIndex, 3);
  EXPECT_EQ(r.Year, 2021);
  EXPECT_EQ(r.nLat, 12.5);
  EXPECT_EQ(r.eLon, -45.25);
  EXPECT_EQ(r.FirstStep, 1.0 / 144);
  EXPECT_EQ(r.DecimalMark, ",");
  EXPECT_EQ(r.Period, TSeriesPeriod::Quarter);
}

TEST(twilightSearch, LatitudeLimit) {
  EXPECT_TRUE(SeriesLatitudeAllowed(55));
  EXPECT_TRUE(SeriesLatitudeAllowed(-55));
  EXPECT_TRUE(SeriesLatitudeAllowed(0));
  EXPECT_FALSE(SeriesLatitudeAllowed(55.5));
  EXPECT_FALSE(SeriesLatitudeAllowed(-55.000001));
  EXPECT_FALSE(SeriesLatitudeAllowed(std::nan("")));
  EXPECT_FALSE(SeriesLatitudeAllowed(-std::nan("")));
  EXPECT_FALSE(SeriesLatitudeAllowed(HUGE_VAL));
}

TEST(twilightSearch, RefusedInputAndWalksGivenUp) {
  // A place or target that is no number: no walk at all; every day is listed
  // as not found and keeps its 12:00 UT start, so the scroll bar still works.
  struct Refused {
    const char* name;
    double lat, lon, alt, step;
  };
  const double nan = std::nan("");
  const Refused refused[] = {
      {"latitude NaN", nan, 7.5, -0.1, -1.0 / 144},
      {"longitude infinite", 47.5, HUGE_VAL, -0.1, -1.0 / 144},
      {"target NaN", 47.5, 7.5, nan, 1.0 / 144},
      {"no step", 47.5, 7.5, -0.1, 0.0},
      {"step NaN", 47.5, 7.5, -0.1, nan},
  };
  for (const Refused& r : refused) {
    TTwilightRequest q = Request("SAufga", TSeriesPeriod::Month, 2, 2019, r.lat, r.lon);
    q.EventAlt = r.alt;
    q.FirstStep = r.step;
    const TTwilightSeries s = FindTwilightSeries(q);
    ASSERT_EQ(s.Days.size(), 28u) << r.name;
    EXPECT_EQ(s.Trials, 0) << r.name;
    for (std::size_t i = 0; i < 28; ++i) {
      EXPECT_FALSE(s.Days[i].Found) << r.name;
      EXPECT_EQ(s.Days[i].EventJD, JDOf(2019, 2, 1, 12) + static_cast<double>(i)) << r.name;
    }
    EXPECT_EQ(s.Days[0].Line, "  1  2458516.0000  2019-02-01 12:00:00 UT --- ---") << r.name;
  }

  // Targets the Sun never reaches at 50 N (below -63.5 and above 63.5
  // degrees): each day's walk is given up after 400 days of simulated time.
  for (const double targetDeg : {-80.0, 80.0}) {
    TTwilightRequest q = Request("MAstrD", TSeriesPeriod::Month, 2, 2019, 50, 10);
    q.EventAlt = targetDeg * kDeg;
    const TTwilightSeries s = FindTwilightSeries(q);
    ASSERT_EQ(s.Days.size(), 28u);
    for (std::size_t i = 0; i < 28; ++i) {
      EXPECT_FALSE(s.Days[i].Found) << targetDeg;
      EXPECT_EQ(s.Days[i].EventJD, JDOf(2019, 2, 1, 12) + static_cast<double>(i)) << targetDeg;
      EXPECT_NEAR(static_cast<double>(s.Days[i].Trials), MaxWalkDays * 144, 2) << targetDeg;
      EXPECT_EQ(s.Days[i].Line.substr(s.Days[i].Line.size() - 11), " UT --- ---") << targetDeg;
    }
    // The last trial's sidereal time: that of the moment 400 days back.
    EXPECT_NEAR(GMST, GMST_Rad(JDOf(2019, 2, 28, 12) - MaxWalkDays) * 3.819718634205488, 0.05) << targetDeg;
  }
}

}  // namespace
