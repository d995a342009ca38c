// Renders the horizon chart for a moment and a place without the main window
// and prints the body table as CSV: a developer's tool for checks and for the
// pictures of the documentation, not a program feature.
//
//   render_chart (--date YYYY-MM-DD --time HH:MM[:SS] | --jd JD)
//                --lat DEG --lon DEG [--lang de|en|fr] [--background FILE.jpg]
//                --out FILE.png|FILE.bmp
//
// Date and time are universal time; latitude north positive (-90 to 90),
// longitude east positive (-180 to 180). The background picture defaults to
// the program's own, looked for in the working folder and then in the source
// tree; without one the chart is drawn on black. The body table goes to
// standard output, one row per body after the header
// body,ra_h,dec_deg,azi_deg,alt_deg,dist,mag,semidiam_arcsec
// (dist in AU, the Moon's in km). Bad arguments: usage, exit code 2.
#include <QImage>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "astro/Astronom.h"
#include "chart/ChartMoment.h"
#include "chart/DrawRequest.h"
#include "data/Catalogue.h"
#include "data/SharedState.h"
#include "data/Tables.h"
#include "platform/Errors.h"
#include "platform/qt/Bitmap.h"

namespace {

constexpr const char* Usage =
    "usage: render_chart (--date YYYY-MM-DD --time HH:MM[:SS] | --jd JD)\n"
    "                    --lat DEG --lon DEG [--lang de|en|fr] [--background FILE.jpg]\n"
    "                    --out FILE.png|FILE.bmp\n"
    "  universal time; latitude -90..90 (north +), longitude -180..180 (east +).\n"
    "  Prints the body table as CSV to standard output.\n";

constexpr const char* BackgroundName = "Himmelshintergrund_radial_2000x2000.jpg";

struct TArguments {
  std::optional<double> JD;
  double Lat = 0, Lon = 0;
  std::uint8_t Language = 1;
  std::string Background;
  std::string Out;
};

// A whole text as a double; nothing else may follow the number.
std::optional<double> ParseDouble(std::string_view Text) {
  double Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Error != std::errc() || End != Text.data() + Text.size() || !std::isfinite(Value)) return std::nullopt;
  return Value;
}

std::optional<int> ParseInt(std::string_view Text) {
  int Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Error != std::errc() || End != Text.data() + Text.size() || Text.empty()) return std::nullopt;
  return Value;
}

// "YYYY-MM-DD" (the year may carry a minus sign) and "HH:MM" or "HH:MM:SS[.fff]"
// to a Julian day; nullopt for a malformed or out-of-range field.
std::optional<double> ParseDateTime(std::string_view Date, std::string_view Time) {
  const std::size_t d2 = Date.rfind('-');
  const std::size_t d1 = d2 == std::string_view::npos || d2 == 0 ? std::string_view::npos : Date.rfind('-', d2 - 1);
  if (d1 == std::string_view::npos || d1 == 0) return std::nullopt;
  const auto Year = ParseInt(Date.substr(0, d1));
  const auto Month = ParseInt(Date.substr(d1 + 1, d2 - d1 - 1));
  const auto Day = ParseInt(Date.substr(d2 + 1));
  if (!Year || !Month || !Day || *Month < 1 || *Month > 12 || *Day < 1 || *Day > 31) return std::nullopt;
  if (*Year < -4000 || *Year > 9999) return std::nullopt;

  const std::size_t t1 = Time.find(':');
  if (t1 == std::string_view::npos) return std::nullopt;
  const std::size_t t2 = Time.find(':', t1 + 1);
  const auto Hour = ParseInt(Time.substr(0, t1));
  const auto Minute = ParseInt(Time.substr(t1 + 1, t2 == std::string_view::npos ? std::string_view::npos : t2 - t1 - 1));
  std::optional<double> Second = 0.0;
  if (t2 != std::string_view::npos) Second = ParseDouble(Time.substr(t2 + 1));
  if (!Hour || !Minute || !Second || *Hour < 0 || *Hour > 23 || *Minute < 0 || *Minute > 59 || *Second < 0 ||
      *Second >= 60)
    return std::nullopt;
  // The date must exist in the calendar (no 30 February, none of the days the
  // 1582 reform left out): it comes back unchanged from its Julian day.
  double Midnight = 0;
  DateToJD(*Year, *Month, *Day, 0, 0, 0, Midnight);
  std::int32_t Y = 0, M = 0, D = 0;
  double h = 0, m = 0, s = 0;
  JDToDate(Y, M, D, h, m, s, Midnight);
  if (Y != *Year || M != *Month || D != *Day) return std::nullopt;
  double JD = 0;
  DateToJD(*Year, *Month, *Day, *Hour, *Minute, *Second, JD);
  return JD;
}

bool EndsWith(std::string_view Text, std::string_view Tail) {
  if (Text.size() < Tail.size()) return false;
  for (std::size_t k = 0; k < Tail.size(); ++k) {
    const char c = Text[Text.size() - Tail.size() + k];
    if (std::tolower(static_cast<unsigned char>(c)) != Tail[k]) return false;
  }
  return true;
}

std::optional<TArguments> ParseArguments(int argc, char** argv) {
  TArguments Args;
  std::optional<std::string_view> Date, Time;
  bool HaveLat = false, HaveLon = false;
  for (int k = 1; k < argc; ++k) {
    const std::string_view Name = argv[k];
    if (k + 1 >= argc) return std::nullopt;
    const std::string_view Value = argv[++k];
    if (Name == "--date") {
      Date = Value;
    } else if (Name == "--time") {
      Time = Value;
    } else if (Name == "--jd") {
      Args.JD = ParseDouble(Value);
      if (!Args.JD || *Args.JD < 0 || *Args.JD > 1e7) return std::nullopt;
    } else if (Name == "--lat") {
      const auto v = ParseDouble(Value);
      if (!v || *v < -90 || *v > 90) return std::nullopt;
      Args.Lat = *v;
      HaveLat = true;
    } else if (Name == "--lon") {
      const auto v = ParseDouble(Value);
      if (!v || *v < -180 || *v > 180) return std::nullopt;
      Args.Lon = *v;
      HaveLon = true;
    } else if (Name == "--lang") {
      if (Value == "de")
        Args.Language = 0;
      else if (Value == "en")
        Args.Language = 1;
      else if (Value == "fr")
        Args.Language = 2;
      else
        return std::nullopt;
    } else if (Name == "--background") {
      Args.Background = Value;
    } else if (Name == "--out") {
      Args.Out = Value;
    } else {
      return std::nullopt;
    }
  }
  if (Args.JD.has_value() == (Date.has_value() || Time.has_value())) return std::nullopt;
  if (Date.has_value() != Time.has_value()) return std::nullopt;
  if (Date) {
    Args.JD = ParseDateTime(*Date, *Time);
    if (!Args.JD) return std::nullopt;
  }
  if (!HaveLat || !HaveLon || Args.Out.empty()) return std::nullopt;
  if (!EndsWith(Args.Out, ".png") && !EndsWith(Args.Out, ".bmp")) return std::nullopt;
  return Args;
}

// The background picture: the named file, or the program's own picture from
// the working folder or the source tree; an empty picture when none is found.
QImage LoadBackground(const std::string& Named) {
  if (!Named.empty()) return tv::ReadJpegFile(Named);
  for (const std::string& Candidate :
       {std::string(BackgroundName), std::string(TV_SOURCE_DIR) + "/data/run/" + BackgroundName}) {
    if (std::filesystem::exists(Candidate)) return tv::ReadJpegFile(Candidate);
  }
  std::fprintf(stderr, "render_chart: no background picture found, drawing on black\n");
  return {};
}

// The shortest text that reads back as the same double.
std::string Number(double Value) {
  char Buffer[32];
  const auto [End, Error] = std::to_chars(Buffer, Buffer + sizeof Buffer, Value);
  return Error == std::errc() ? std::string(Buffer, End) : std::string("nan");
}

void PrintBodyTable() {
  static constexpr const char* Names[9] = {"Sun", "Moon", "Mercury", "Venus", "Mars",
                                           "Jupiter", "Saturn", "Uranus", "Neptune"};
  std::printf("body,ra_h,dec_deg,azi_deg,alt_deg,dist,mag,semidiam_arcsec\n");
  for (int Row = 0; Row <= 8; ++Row) {
    std::string Line = Names[Row];
    for (int Col = btRA; Col <= btSemiDiam; ++Col) {
      Line += ',';
      Line += Number(BodyTable[Row][Col]);
    }
    std::printf("%s\n", Line.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TArguments> Args = ParseArguments(argc, argv);
  if (!Args) {
    std::fputs(Usage, stderr);
    return 2;
  }
  try {
    // The tool never shows a window: draw without a display unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    tv::EnsureGuiApplication();
    Init_Stars();
    Init_ConstLines();
    Calc_ConstLabels();
    Init_Texts();
    Language = Args->Language;
    SetChartMoment(*Args->JD, Args->Lat, Args->Lon);

    tv::TBitmap Background;
    const QImage Picture = LoadBackground(Args->Background);
    if (Picture.isNull())
      Background.SetSize(2000, 2000);  // black
    else
      Background.Assign(Picture);
    tv::TBitmap Chart(2000, 2000);
    Draw_Chart(Chart.Canvas(), Background.Canvas());

    if (EndsWith(Args->Out, ".bmp")) {
      Chart.SaveToFile(Args->Out);
    } else if (!Chart.Image().save(QString::fromStdString(Args->Out), "PNG")) {
      std::fprintf(stderr, "render_chart: cannot write %s\n", Args->Out.c_str());
      return 1;
    }
    PrintBodyTable();
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "render_chart: %s\n", Error.what());
    return 1;
  }
  return 0;
}
