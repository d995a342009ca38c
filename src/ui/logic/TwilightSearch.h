// TwilightSearch: the twilight series without a window. For every day of a
// month, quarter or year it finds the moment at which the Sun passes a target
// altitude at the observer's place, walking from 12:00 UT backward (morning
// events) or forward (evening events), and builds the day's list line. Also
// the period lengths, the eight events of the event panel, the latitude limit
// and the step that hands a result to the shared state. No Qt.
// Depends on the astronomy module, the chart's refraction rule and the shared
// state. The search writes GMST, HorAlt and HorAzi at every trial (EquToHor
// reads GMST); ApplyTwilightSeries writes EventJD, GMST, HorAlt and HorAzi.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CheckedArray.h"

// --- The events and the periods ------------------------------------------------

// One button of the event panel: its name (the radio button RadioButton_<Name>),
// the Texts rows of the two labels (sky 34 morning / 35 evening, event name 36
// to 40), the target altitude in degrees and the first step of the walk in days
// (-1/144 morning, +1/144 evening).
struct TTwilightEvent {
  std::string_view Name;
  std::int32_t SkyRow;
  std::int32_t NameRow;
  double AltitudeDeg;
  double FirstStep;
};

// The eight events in the panel's order, left to right: MAstrD, MNautD, MBurgD,
// SAufga, SUnter, ABurgD, ANautD, AAstrD.
extern const tv::CheckedArray<TTwilightEvent, 0, 7> TwilightEvents;

// The event of that name, or nullptr.
const TTwilightEvent* FindTwilightEvent(std::string_view Name);

// The target altitude of an event in radians, as the mode handlers set EventAlt.
double EventAltitude(const TTwilightEvent& Event);

enum class TSeriesPeriod { Month, Quarter, Year };

// Gregorian leap year: divisible by 4, except by 100, except by 400 (any sign).
bool IsLeapYear(std::int32_t Year);

// Days of a month (1..12), a quarter (1..4) or a year; a month or quarter out of
// range raises tv::ERangeError.
std::int32_t DaysInMonth(std::int32_t Year, std::int32_t Month);
std::int32_t DaysInQuarter(std::int32_t Year, std::int32_t Quarter);
std::int32_t DaysInYear(std::int32_t Year);

// The first month (1..12) and the number of days (28..366) of a series period.
// PeriodIndex: the month 1..12, the quarter 1..4; not read for the year. Out of
// range raises tv::ERangeError.
std::int32_t SeriesFirstMonth(TSeriesPeriod Period, std::int32_t PeriodIndex);
std::int32_t SeriesDays(TSeriesPeriod Period, std::int32_t PeriodIndex, std::int32_t Year);

// The series' latitude limit: true for |nLat| <= 55 degrees (55 itself passes),
// false beyond it and for NaN.
bool SeriesLatitudeAllowed(double nLatDeg);

// --- The search ------------------------------------------------------------------

// Each day's walk is given up when it has gone this far (days of simulated time
// from the day's 12:00 UT start) or taken this many trials without finding the
// end of its search. At |latitude| <= 55 degrees every target of the event
// panel is met within about three months.
inline constexpr double MaxWalkDays = 400.0;
inline constexpr std::int64_t MaxDayTrials = 100000;

// The step below which the search stops: a quarter of a second, in days.
inline constexpr double StopStep = 2.8935185185185184e-06;

struct TTwilightRequest {
  double EventAlt = 0;       // target altitude, radians
  double FirstStep = 0;      // first step of every day's walk, days (+-1/144)
  TSeriesPeriod Period = TSeriesPeriod::Quarter;
  std::int32_t PeriodIndex = 1;  // month 1..12 or quarter 1..4; not read for the year
  std::int32_t Year = 0;     // the series' year (Jahr_UT)
  double nLat = 0, eLon = 0; // the place, degrees, north and east positive
  std::string DecimalMark = ".";  // of the list lines (the window's regional setting)
  // Compute the altitude at every trial, also where its rate of change rules
  // out a crossing (same results, several times slower; for checks).
  bool PlainWalk = false;
};

struct TTwilightDay {
  bool Found = false;     // false: the walk was given up (or the input refused)
  double EventJD = 0;     // UT Julian day of the event; the day's 12:00 UT when not found
  double HorAzi = 0;      // Sun's azimuth at EventJD, radians from the south, west positive
  double Difference = 0;  // altitude minus target at EventJD, radians (HorAlt after the day)
  std::int64_t Trials = 0;       // trial moments walked this day
  std::int64_t Evaluations = 0;  // of them, those whose altitude was computed
  std::string Line;       // the list line, without line end
};

struct TTwilightSeries {
  std::vector<TTwilightDay> Days;  // day 1 first; 28..366 of them
  std::int64_t Trials = 0;         // trial moments walked, whole series
  std::int64_t Evaluations = 0;    // of them, those whose altitude was computed
  // The shared values after the last trial of the last day, as the search left
  // them (its own inputs when no trial ran).
  double FinalGMST = 0, FinalHorAlt = 0, FinalHorAzi = 0;
};

// The series for a request. For day i (0-based) the walk starts at 12:00 UT of
// the period's first day plus i days, steps by FirstStep until the altitude
// difference changes its three-valued sign (zero counts as a change), then
// reverses and shrinks the step to a third at each change until it is below
// StopStep; the event is the last trial, within 0.3 s of the crossing. The
// first crossing met in the step's direction is taken, of either kind.
// Altitude: low-precision Sun, refraction above 5/6 degree. Writes GMST (hours),
// HorAlt (the difference) and HorAzi at every trial whose altitude it computes;
// trials too far from the target for the altitude's rate of change to reach
// it are walked without (unless PlainWalk), which changes no result. A day whose walk passes
// MaxWalkDays or MaxDayTrials comes back not found. A non-finite place, target
// or first step, or a zero first step, gives every day not found without a
// trial. The period out of range raises tv::ERangeError.
TTwilightSeries FindTwilightSeries(const TTwilightRequest& Request);

// The list line of one day: the day number right-aligned in 3, two blanks, the
// Julian day with 4 decimals, two blanks, the UT date "YYYY-MM-DD hh:mm:ss", " UT ",
// the azimuth (degrees from the south, west positive) and the altitude (degrees),
// each with 2 decimals, joined by a blank:
// "  7  2458491.2500  2019-01-07 18:00:00 UT 60.50 -6.00".
std::string TwilightLine(std::int32_t DayNumber, double JD, double AzimuthDeg,
                         double AltitudeDeg, std::string_view DecimalMark);

// The line of a day whose walk was given up: the day number, the day's 12:00 UT
// start as Julian day and date, and " UT --- ---" in place of azimuth and
// altitude: "  1  2458485.0000  2019-01-01 12:00:00 UT --- ---".
std::string TwilightNotFoundLine(std::int32_t DayNumber, double StartJD,
                                 std::string_view DecimalMark);

// Hands a series to the shared state as the search leaves it: EventJD[0 .. n-1]
// from the days (later elements keep their values), GMST, HorAlt and HorAzi from
// the last trial. The window then writes the lines and the scroll bar's maximum.
void ApplyTwilightSeries(const TTwilightSeries& Series);

// The request the window's searches make: the target EventAlt, PeriodIndex,
// Jahr_UT and the place nLat, eLon from the shared state, with the period, the
// first step and the decimal mark given.
TTwilightRequest TwilightRequestFromState(TSeriesPeriod Period, double FirstStep,
                                          std::string_view DecimalMark);
