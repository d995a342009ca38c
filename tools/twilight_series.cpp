// Prints the list of a twilight series, one line per day exactly as the main
// window lists it, with "." as the decimal mark: a developer's tool for checks,
// not a program feature.
//
//   twilight_series --event NAME --mode month|quarter|year [--period N]
//                   --year Y --lat DEG --lon DEG
//
// NAME is one of the event panel's buttons: MAstrD MNautD MBurgD SAufga (the
// morning events) SUnter ABurgD ANautD AAstrD (the evening events). --period is
// the month 1-12 or the quarter 1-4, ignored for a year. Latitude north
// positive, longitude east positive, degrees. Exit codes: 0 the list printed;
// 1 a latitude beyond 55 degrees (or not a number), reported on standard
// error; 2 bad arguments, with the usage; --help prints the usage, code 0.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "ui/logic/TwilightSearch.h"

namespace {

constexpr const char* Usage =
    "usage: twilight_series --event NAME --mode month|quarter|year [--period N]\n"
    "                       --year Y --lat DEG --lon DEG\n"
    "  NAME: MAstrD MNautD MBurgD SAufga SUnter ABurgD ANautD AAstrD\n"
    "  --period: month 1-12 or quarter 1-4 (ignored for a year); year -4000..9999;\n"
    "  latitude -55..55 (north +), longitude -180..180 (east +), degrees.\n"
    "  Prints the series' list lines, one per day, universal time.\n";

struct TArguments {
  const TTwilightEvent* Event = nullptr;
  std::optional<TSeriesPeriod> Period;
  std::optional<int> PeriodIndex;
  std::optional<int> Year;
  std::optional<double> Lat, Lon;
  bool Help = false;
};

// A whole text as a number, "nan" and "inf" included; nothing else may follow.
std::optional<double> ParseDouble(std::string_view Text) {
  double Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Text.empty() || Error != std::errc() || End != Text.data() + Text.size()) return std::nullopt;
  return Value;
}

std::optional<int> ParseInt(std::string_view Text) {
  int Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Text.empty() || Error != std::errc() || End != Text.data() + Text.size()) return std::nullopt;
  return Value;
}

// The arguments, or the text of the first bad one in Bad.
std::optional<TArguments> ParseArguments(int argc, char** argv, std::string& Bad) {
  TArguments Args;
  for (int k = 1; k < argc; ++k) {
    const std::string_view Name = argv[k];
    if (Name == "--help" || Name == "-h") {
      Args.Help = true;
      return Args;
    }
    Bad = Name;
    if (Name != "--event" && Name != "--mode" && Name != "--period" && Name != "--year" &&
        Name != "--lat" && Name != "--lon")
      return std::nullopt;
    if (k + 1 >= argc) return std::nullopt;
    const std::string_view Value = argv[++k];
    Bad = std::string(Name) + " " + std::string(Value);
    if (Name == "--event") {
      Args.Event = FindTwilightEvent(Value);
      if (Args.Event == nullptr) return std::nullopt;
    } else if (Name == "--mode") {
      if (Value == "month")
        Args.Period = TSeriesPeriod::Month;
      else if (Value == "quarter")
        Args.Period = TSeriesPeriod::Quarter;
      else if (Value == "year")
        Args.Period = TSeriesPeriod::Year;
      else
        return std::nullopt;
    } else if (Name == "--period") {
      Args.PeriodIndex = ParseInt(Value);
      if (!Args.PeriodIndex) return std::nullopt;
    } else if (Name == "--year") {
      Args.Year = ParseInt(Value);
      if (!Args.Year || *Args.Year < -4000 || *Args.Year > 9999) return std::nullopt;
    } else if (Name == "--lat") {
      Args.Lat = ParseDouble(Value);
      // Any number parses: beyond 55 degrees, and not finite, is the series'
      // own refusal (code 1), tested after the arguments.
      if (!Args.Lat) return std::nullopt;
    } else {
      Args.Lon = ParseDouble(Value);
      if (!Args.Lon || !(std::fabs(*Args.Lon) <= 180)) return std::nullopt;
    }
  }
  const char* Missing = !Args.Event  ? "--event"
                        : !Args.Period ? "--mode"
                        : !Args.Year   ? "--year"
                        : !Args.Lat    ? "--lat"
                        : !Args.Lon    ? "--lon"
                                       : nullptr;
  if (Missing == nullptr && *Args.Period != TSeriesPeriod::Year) {
    const int Highest = *Args.Period == TSeriesPeriod::Month ? 12 : 4;
    if (!Args.PeriodIndex) {
      Missing = "--period";
    } else if (*Args.PeriodIndex < 1 || *Args.PeriodIndex > Highest) {
      Bad = "--period " + std::to_string(*Args.PeriodIndex);
      return std::nullopt;
    }
  }
  if (Missing != nullptr) {
    Bad = std::string(Missing) + " missing";
    return std::nullopt;
  }
  return Args;
}

}  // namespace

int main(int argc, char** argv) {
  std::string Bad;
  const std::optional<TArguments> Args = ParseArguments(argc, argv, Bad);
  if (!Args) {
    if (argc <= 1) Bad = "no arguments";
    std::fprintf(stderr, "twilight_series: bad argument: %s\n", Bad.c_str());
    std::fputs(Usage, stderr);
    return 2;
  }
  if (Args->Help) {
    std::fputs(Usage, stdout);
    return 0;
  }
  if (!SeriesLatitudeAllowed(*Args->Lat)) {
    std::fprintf(stderr, "twilight_series: latitude %g lies beyond 55 degrees; no series there\n",
                 *Args->Lat);
    return 1;
  }
  try {
    TTwilightRequest Request;
    Request.EventAlt = EventAltitude(*Args->Event);
    Request.FirstStep = Args->Event->FirstStep;
    Request.Period = *Args->Period;
    Request.PeriodIndex = Args->PeriodIndex.value_or(1);
    Request.Year = *Args->Year;
    Request.nLat = *Args->Lat;
    Request.eLon = *Args->Lon;
    Request.DecimalMark = ".";
    const TTwilightSeries Series = FindTwilightSeries(Request);
    for (const TTwilightDay& Day : Series.Days) std::printf("%s\n", Day.Line.c_str());
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "twilight_series: %s\n", Error.what());
    return 1;
  }
  return 0;
}
