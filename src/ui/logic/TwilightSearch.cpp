#include "ui/logic/TwilightSearch.h"

#include <cmath>
#include <limits>

#include "astro/Astronom.h"
#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SunMoon.h"
#include "astro/astrolib.h"
#include "chart/ChartSurface.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"
#include "ui/logic/FixedText.h"

namespace {

constexpr double Morning = -1.0 / 144.0;  // ten minutes back
constexpr double Evening = 1.0 / 144.0;   // ten minutes forward
constexpr double SunriseDeg = -5.0 / 6.0;  // -50 arc minutes

// Three-valued sign: -1, +1, and 0 for a zero of either sign (and for NaN).
inline int Sign(double x) { return (x > 0) - (x < 0); }

// The altitude difference f(t) for the UT Julian day t: the Sun's altitude,
// refracted above 5/6 degree, less the target, radians. Leaves GMST (hours) for
// t, HorAzi, and f in HorAlt. Lon, Lat in radians.
inline double AltitudeDifference(double t, double Lon, double Lat, double Target) {
  GMST = GMST_Rad(t) * Rad2Hour;
  double RA = 0, Dec = 0;
  Sun_RaDec(t, RA, Dec);
  EquToHor(t, RA, Dec, Lon, Lat, HorAlt, HorAzi);
  RefractAbove(HorAlt, RefrLimitSunDeg);
  HorAlt = HorAlt - Target;
  return HorAlt;
}

// How fast the altitude difference can change, radians per day, at latitude
// Lat (radians). The zenith runs along its parallel at cos(Lat) times the
// sidereal rate (360.986 deg/day) and the Sun moves at most 1.1 deg/day in
// right ascension and 0.41 deg/day in declination, so the Sun's distance from
// the zenith changes no faster than their sum; refraction above 5/6 degree
// only slows that. Rounded up by a percent.
double MaxAltitudeRate(double Lat) {
  return (std::fabs(std::cos(Lat)) * 361.0 + 2.0) * 1.01 * Deg2Rad;
}

// The one step the altitude difference takes besides its rate: refraction
// switching on above 5/6 degree adds 0.379 degree at once.
constexpr double RefractionJump = 0.4 * Deg2Rad;
// Room for the rounding of the computed altitude, radians.
constexpr double RoundingRoom = 1e-9;

// The number of trials after one with difference Prev that cannot reach the
// target while walking by Step (days) at Rate (radians per day): their sign
// is Prev's, so the walk passes them without computing the altitude.
std::int64_t SafeTrials(double Prev, double Step, double Rate) {
  const double Room = std::fabs(Prev) - RefractionJump - RoundingRoom;
  if (!(Room > 0)) return 0;
  const double Steps = Room / (std::fabs(Step) * Rate);
  if (!(Steps < static_cast<double>(MaxDayTrials))) return MaxDayTrials;
  const auto Whole = static_cast<std::int64_t>(Steps);
  return Whole > 0 ? Whole - 1 : 0;  // one less: no doubt at the bound's edge
}

// The day's walk is given up at the trial moment t after Trials trials.
inline bool GiveUp(double t, double Start, std::int64_t Trials) {
  return !(std::fabs(t - Start) <= MaxWalkDays) || Trials >= MaxDayTrials;
}

// One day's walk from Start. Fills the day's moment, azimuth, difference and
// counts; Found stays false when the walk is given up. Unless Plain, trials
// that the altitude's rate cannot bring to the target are walked without
// computing the altitude: the moments, the signs met and so every result stay
// those of the plain walk.
void SearchDay(double Start, double FirstStep, double Lon, double Lat, double Target, bool Plain,
               TTwilightDay& Day) {
  const double Rate = MaxAltitudeRate(Lat);
  double t = Start;
  double f = AltitudeDifference(t, Lon, Lat, Target);
  std::int64_t Trials = 1, Evaluations = 1;
  double Step = FirstStep;
  for (;;) {
    const double Prev = f;
    for (std::int64_t Skip = Plain ? 0 : SafeTrials(Prev, Step, Rate); Skip > 0; --Skip) {
      t = t + Step;
      ++Trials;
      if (GiveUp(t, Start, Trials)) {
        AltitudeDifference(t, Lon, Lat, Target);  // the plain walk's last trial
        Day.Trials = Trials;
        Day.Evaluations = Evaluations + 1;
        return;
      }
    }
    t = t + Step;
    f = AltitudeDifference(t, Lon, Lat, Target);
    ++Trials;
    ++Evaluations;
    if (Sign(f) == Sign(Prev)) {
      // Written so that a NaN distance gives up as well.
      if (GiveUp(t, Start, Trials)) {
        Day.Trials = Trials;
        Day.Evaluations = Evaluations;
        return;
      }
      continue;
    }
    Step = -Step / 3;
    if (!(std::fabs(Step) > StopStep)) break;
  }
  Day.Found = true;
  Day.EventJD = t;
  Day.HorAzi = HorAzi;
  Day.Difference = HorAlt;
  Day.Trials = Trials;
  Day.Evaluations = Evaluations;
}

// "YYYY-MM-DD hh:mm:ss UT " for a UT Julian day, then everything up to it.
std::string LineHead(std::int32_t DayNumber, double JD, std::string_view DecimalMark) {
  std::int32_t Year = 0, Month = 0, Day = 0;
  double Hour = 0, Minute = 0, Second = 0;
  JDToDate(Year, Month, Day, Hour, Minute, Second, JD);
  const std::string Number = "   " + std::to_string(DayNumber);
  std::string Line = Number.substr(Number.size() - 3);
  Line += "  ";
  Line += FormatFixed(JD, 4, 12, DecimalMark);
  Line += "  ";
  Line += FormatFixed(Year, 0, 4, DecimalMark);
  Line += '-';
  Line += TwoDigits(Month);
  Line += '-';
  Line += TwoDigits(Day);
  Line += ' ';
  Line += TwoDigits(Hour);
  Line += ':';
  Line += TwoDigits(Minute);
  Line += ':';
  Line += TwoDigits(Second);
  Line += " UT ";
  return Line;
}

}  // namespace

const tv::CheckedArray<TTwilightEvent, 0, 7> TwilightEvents = {{{
    {"MAstrD", 34, 36, -18.0, Morning},
    {"MNautD", 34, 37, -12.0, Morning},
    {"MBurgD", 34, 38, -6.0, Morning},
    {"SAufga", 34, 39, SunriseDeg, Morning},
    {"SUnter", 35, 40, SunriseDeg, Evening},
    {"ABurgD", 35, 38, -6.0, Evening},
    {"ANautD", 35, 37, -12.0, Evening},
    {"AAstrD", 35, 36, -18.0, Evening},
}}};

const TTwilightEvent* FindTwilightEvent(std::string_view Name) {
  for (const TTwilightEvent& Event : TwilightEvents)
    if (Event.Name == Name) return &Event;
  return nullptr;
}

double EventAltitude(const TTwilightEvent& Event) { return Event.AltitudeDeg * Deg2Rad; }

bool IsLeapYear(std::int32_t Year) {
  bool Leap = false;
  if (Year % 4 == 0) Leap = true;
  if (Year % 100 == 0) Leap = false;
  if (Year % 400 == 0) Leap = true;
  return Leap;
}

std::int32_t DaysInMonth(std::int32_t Year, std::int32_t Month) {
  static constexpr std::int32_t Common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) throw tv::ERangeError();
  return Month == 2 && IsLeapYear(Year) ? 29 : Common[Month - 1];
}

std::int32_t DaysInQuarter(std::int32_t Year, std::int32_t Quarter) {
  if (Quarter < 1 || Quarter > 4) throw tv::ERangeError();
  std::int32_t Days = 0;
  for (std::int32_t Month = 3 * Quarter - 2; Month <= 3 * Quarter; ++Month) Days += DaysInMonth(Year, Month);
  return Days;
}

std::int32_t DaysInYear(std::int32_t Year) { return IsLeapYear(Year) ? 366 : 365; }

std::int32_t SeriesFirstMonth(TSeriesPeriod Period, std::int32_t PeriodIndex) {
  switch (Period) {
    case TSeriesPeriod::Month:
      if (PeriodIndex < 1 || PeriodIndex > 12) throw tv::ERangeError();
      return PeriodIndex;
    case TSeriesPeriod::Quarter:
      if (PeriodIndex < 1 || PeriodIndex > 4) throw tv::ERangeError();
      return 3 * PeriodIndex - 2;
    case TSeriesPeriod::Year:
      return 1;
  }
  throw tv::ERangeError();
}

std::int32_t SeriesDays(TSeriesPeriod Period, std::int32_t PeriodIndex, std::int32_t Year) {
  switch (Period) {
    case TSeriesPeriod::Month:
      return DaysInMonth(Year, PeriodIndex);
    case TSeriesPeriod::Quarter:
      return DaysInQuarter(Year, PeriodIndex);
    case TSeriesPeriod::Year:
      return DaysInYear(Year);
  }
  throw tv::ERangeError();
}

bool SeriesLatitudeAllowed(double nLatDeg) { return std::fabs(nLatDeg) <= 55.0; }

std::string TwilightLine(std::int32_t DayNumber, double JD, double AzimuthDeg, double AltitudeDeg,
                         std::string_view DecimalMark) {
  std::string Line = LineHead(DayNumber, JD, DecimalMark);
  Line += FormatFixed(AzimuthDeg, 2, 12, DecimalMark);
  Line += ' ';
  Line += FormatFixed(AltitudeDeg, 2, 8, DecimalMark);
  return Line;
}

std::string TwilightNotFoundLine(std::int32_t DayNumber, double StartJD, std::string_view DecimalMark) {
  return LineHead(DayNumber, StartJD, DecimalMark) + "--- ---";
}

TTwilightSeries FindTwilightSeries(const TTwilightRequest& Request) {
  const std::int32_t FirstMonth = SeriesFirstMonth(Request.Period, Request.PeriodIndex);
  const std::int32_t Days = SeriesDays(Request.Period, Request.PeriodIndex, Request.Year);
  double First = 0;  // 12:00 UT of the period's first day
  DateToJD(Request.Year, FirstMonth, 1, 12.0, 0.0, 0.0, First);

  const bool Searchable = std::isfinite(Request.nLat) && std::isfinite(Request.eLon) &&
                          std::isfinite(Request.EventAlt) && std::isfinite(Request.FirstStep) &&
                          Request.FirstStep != 0;
  const double Lon = Request.eLon * Deg2Rad;
  const double Lat = Request.nLat * Deg2Rad;

  TTwilightSeries Series;
  Series.Days.resize(static_cast<std::size_t>(Days));
  for (std::int32_t i = 0; i < Days; ++i) {
    TTwilightDay& Day = Series.Days[static_cast<std::size_t>(i)];
    const double Start = First + i;
    if (Searchable) SearchDay(Start, Request.FirstStep, Lon, Lat, Request.EventAlt, Request.PlainWalk, Day);
    Series.Trials += Day.Trials;
    Series.Evaluations += Day.Evaluations;
    const std::int32_t DayNumber = tv::CheckedAdd(i, 1);
    if (Day.Found) {
      Day.Line = TwilightLine(DayNumber, Day.EventJD, Day.HorAzi * Rad2Deg,
                              (Day.Difference + Request.EventAlt) * Rad2Deg, Request.DecimalMark);
    } else {
      Day.EventJD = Start;
      Day.HorAzi = Day.Difference = std::numeric_limits<double>::quiet_NaN();
      Day.Line = TwilightNotFoundLine(DayNumber, Start, Request.DecimalMark);
    }
  }
  Series.FinalGMST = GMST;
  Series.FinalHorAlt = HorAlt;
  Series.FinalHorAzi = HorAzi;
  return Series;
}

void ApplyTwilightSeries(const TTwilightSeries& Series) {
  for (std::size_t i = 0; i < Series.Days.size(); ++i)
    EventJD[static_cast<long long>(i)] = Series.Days[i].EventJD;
  GMST = Series.FinalGMST;
  HorAlt = Series.FinalHorAlt;
  HorAzi = Series.FinalHorAzi;
}

TTwilightRequest TwilightRequestFromState(TSeriesPeriod Period, double FirstStep,
                                          std::string_view DecimalMark) {
  TTwilightRequest Request;
  Request.EventAlt = EventAlt;
  Request.FirstStep = FirstStep;
  Request.Period = Period;
  Request.PeriodIndex = PeriodIndex;
  Request.Year = Jahr_UT;
  Request.nLat = nLat;
  Request.eLon = eLon;
  Request.DecimalMark = std::string(DecimalMark);
  return Request;
}
