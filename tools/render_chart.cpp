// Renders the horizon chart for a moment and a place without the main window
// and prints the body table as CSV: a developer's tool for checks and for the
// pictures of the documentation, not a program feature.
//
//   render_chart (--date YYYY-MM-DD --time HH:MM[:SS] | --jd JD)
//                --lat DEG --lon DEG [--lang de|en|fr] [--background FILE.jpg]
//                --out FILE.png|FILE.bmp
//   render_chart --help
//
// Date and time are universal time, in the years -1000 to 5000 (beyond them
// the series put Uranus and Neptune at distances they never reach); latitude
// north positive (-90 to 90), longitude east positive (-180 to 180). The
// background picture defaults to the program's own, looked for in the working
// folder and then in the source tree; without one the chart is drawn on
// black. The picture is written to a temporary file beside FILE and renamed
// into place, so a failed write leaves no partial picture and keeps a previous
// one. The body table goes to standard output, one row per body after the
// header body,ra_h,dec_deg,azi_deg,alt_deg,dist,mag,semidiam_arcsec (azimuth
// from the south, positive toward the west; dist in AU, the Moon's in km;
// semi-diameter in arcseconds). A bad argument: its name and why it was
// refused, then the usage, on standard error, exit code 2. A failure to read
// or write a file: the system's reason, exit code 1.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "astro/Astronom.h"
#include "chart/ChartMoment.h"
#include "chart/DrawRequest.h"
#include "data/Catalogue.h"
#include "data/SharedState.h"
#include "data/Tables.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/qt/Bitmap.h"

namespace {

constexpr const char* Usage =
    "usage: render_chart (--date YYYY-MM-DD --time HH:MM[:SS] | --jd JD)\n"
    "                    --lat DEG --lon DEG [--lang de|en|fr] [--background FILE.jpg]\n"
    "                    --out FILE.png|FILE.bmp\n"
    "  universal time in the years -1000..5000; latitude -90..90 (north +),\n"
    "  longitude -180..180 (east +). Prints the body table as CSV to standard output:\n"
    "  body,ra_h,dec_deg,azi_deg,alt_deg,dist,mag,semidiam_arcsec (azimuth from the\n"
    "  south, positive toward the west; dist in AU, the Moon's in km; arcseconds).\n";

constexpr const char* BackgroundName = "Himmelshintergrund_radial_2000x2000.jpg";

// The years in which every body's series stays physical: Uranus and Neptune
// leave their real distance ranges before about -1260 and after about 5420.
constexpr int FirstYear = -1000;
constexpr int LastYear = 5000;

struct TArguments {
  std::optional<double> JD;
  double Lat = 0, Lon = 0;
  std::uint8_t Language = 1;
  std::string Background;
  std::string Out;
};

// A refused argument: the text says which and why.
struct TBadArgument : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(std::string_view Name, std::string_view Value, std::string_view Why) {
  std::string Text(Name);
  if (!Value.empty()) Text += " " + std::string(Value);
  throw TBadArgument(Text + ": " + std::string(Why));
}

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

double JulianDay(int Year, int Month, int Day, int Hour, int Minute, double Second) {
  double JD = 0;
  DateToJD(Year, Month, Day, Hour, Minute, Second, JD);
  return JD;
}

// The Julian days of the accepted moments: from the first instant of
// FirstYear to before the first instant after LastYear.
double FirstJD() { return JulianDay(FirstYear, 1, 1, 0, 0, 0); }
double EndJD() { return JulianDay(LastYear + 1, 1, 1, 0, 0, 0); }

std::string YearsText() {
  return "the moment must lie in the years " + std::to_string(FirstYear) + ".." + std::to_string(LastYear);
}

// "YYYY-MM-DD" (the year may carry a minus sign) and "HH:MM" or
// "HH:MM:SS[.fff]" to a Julian day; refuses a malformed or out-of-range field.
double ParseDateTime(std::string_view Date, std::string_view Time) {
  const std::size_t d2 = Date.rfind('-');
  const std::size_t d1 = d2 == std::string_view::npos || d2 == 0 ? std::string_view::npos : Date.rfind('-', d2 - 1);
  std::optional<int> Year, Month, Day;
  if (d1 != std::string_view::npos && d1 != 0) {
    Year = ParseInt(Date.substr(0, d1));
    Month = ParseInt(Date.substr(d1 + 1, d2 - d1 - 1));
    Day = ParseInt(Date.substr(d2 + 1));
  }
  if (!Year || !Month || !Day) Refuse("--date", Date, "the date must be written YYYY-MM-DD");
  if (*Year < FirstYear || *Year > LastYear) Refuse("--date", Date, YearsText());
  if (*Month < 1 || *Month > 12 || *Day < 1 || *Day > 31) Refuse("--date", Date, "no such date");

  const std::size_t t1 = Time.find(':');
  const std::size_t t2 = t1 == std::string_view::npos ? t1 : Time.find(':', t1 + 1);
  std::optional<int> Hour, Minute;
  std::optional<double> Second = 0.0;
  if (t1 != std::string_view::npos) {
    Hour = ParseInt(Time.substr(0, t1));
    Minute = ParseInt(Time.substr(t1 + 1, t2 == std::string_view::npos ? std::string_view::npos : t2 - t1 - 1));
    if (t2 != std::string_view::npos) Second = ParseDouble(Time.substr(t2 + 1));
  }
  if (!Hour || !Minute || !Second) Refuse("--time", Time, "the time must be written HH:MM or HH:MM:SS");
  if (*Hour < 0 || *Hour > 23 || *Minute < 0 || *Minute > 59 || *Second < 0 || *Second >= 60)
    Refuse("--time", Time, "the time must lie in 00:00..23:59:59");
  // The date must exist in the calendar (no 30 February, none of the days the
  // 1582 reform left out): it comes back unchanged from its Julian day.
  std::int32_t Y = 0, M = 0, D = 0;
  double h = 0, m = 0, sec = 0;
  JDToDate(Y, M, D, h, m, sec, JulianDay(*Year, *Month, *Day, 0, 0, 0));
  if (Y != *Year || M != *Month || D != *Day) Refuse("--date", Date, "no such date in the calendar");
  return JulianDay(*Year, *Month, *Day, *Hour, *Minute, *Second);
}

bool EndsWith(std::string_view Text, std::string_view Tail) {
  if (Text.size() < Tail.size()) return false;
  for (std::size_t k = 0; k < Tail.size(); ++k) {
    const char c = Text[Text.size() - Tail.size() + k];
    if (std::tolower(static_cast<unsigned char>(c)) != Tail[k]) return false;
  }
  return true;
}

// The arguments, or TBadArgument naming the first one refused and why.
TArguments ParseArguments(int argc, char** argv) {
  TArguments Args;
  std::optional<std::string_view> Date, Time;
  bool HaveLat = false, HaveLon = false;
  for (int k = 1; k < argc; ++k) {
    const std::string_view Name = argv[k];
    const bool Known = Name == "--date" || Name == "--time" || Name == "--jd" || Name == "--lat" ||
                       Name == "--lon" || Name == "--lang" || Name == "--background" || Name == "--out";
    if (!Known) Refuse(Name, "", "unknown argument");
    if (k + 1 >= argc) Refuse(Name, "", "a value must follow");
    const std::string_view Value = argv[++k];
    if (Name == "--date") {
      Date = Value;
    } else if (Name == "--time") {
      Time = Value;
    } else if (Name == "--jd") {
      Args.JD = ParseDouble(Value);
      if (!Args.JD) Refuse(Name, Value, "not a number");
      if (*Args.JD < FirstJD() || *Args.JD >= EndJD()) Refuse(Name, Value, YearsText());
    } else if (Name == "--lat") {
      const auto v = ParseDouble(Value);
      if (!v) Refuse(Name, Value, "not a number");
      if (*v < -90 || *v > 90) Refuse(Name, Value, "latitude must lie in -90..90");
      Args.Lat = *v;
      HaveLat = true;
    } else if (Name == "--lon") {
      const auto v = ParseDouble(Value);
      if (!v) Refuse(Name, Value, "not a number");
      if (*v < -180 || *v > 180) Refuse(Name, Value, "longitude must lie in -180..180");
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
        Refuse(Name, Value, "the language must be de, en or fr");
    } else if (Name == "--background") {
      Args.Background = Value;
    } else {
      if (!EndsWith(Value, ".png") && !EndsWith(Value, ".bmp"))
        Refuse(Name, Value, "the picture's name must end in .png or .bmp");
      Args.Out = Value;
    }
  }
  if (Args.JD && (Date || Time)) Refuse("--jd", "", "give either --jd or --date and --time, not both");
  if (!Args.JD && !(Date && Time))
    Refuse(Date ? "--time" : "--date", "", "the moment needs --date and --time (or --jd)");
  if (Date) Args.JD = ParseDateTime(*Date, *Time);
  if (!HaveLat) Refuse("--lat", "", "the latitude is needed");
  if (!HaveLon) Refuse("--lon", "", "the longitude is needed");
  if (Args.Out.empty()) Refuse("--out", "", "the picture's name is needed");
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

// Writes the chart as a PNG or (for a name ending in .bmp) a 24-bit BMP.
// Either goes to a temporary file beside Out first; a failure raises
// tv::EInOutError with the system's reason and leaves no partial picture.
void WritePicture(const tv::TBitmap& Chart, const std::string& Out) {
  if (EndsWith(Out, ".bmp")) {
    Chart.SaveToFile(Out);
    return;
  }
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  if (!Chart.Image().save(&Buffer, "PNG")) throw std::runtime_error("cannot encode the chart as PNG");
  tv::TFileReplacement File(Out);
  File.Write(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
  File.Commit();
}

}  // namespace

int main(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    const std::string_view Name = argv[k];
    if (Name == "--help" || Name == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    }
  }
  TArguments Args;
  try {
    Args = ParseArguments(argc, argv);
  } catch (const TBadArgument& Refused) {
    std::fprintf(stderr, "render_chart: %s\n%s", Refused.what(), Usage);
    return 2;
  }
  try {
    tv::EnsureGuiApplication();  // draws without a display
    Init_Stars();
    Init_ConstLines();
    Calc_ConstLabels();
    Init_Texts();
    Language = Args.Language;
    SetChartMoment(*Args.JD, Args.Lat, Args.Lon);

    tv::TBitmap Background;
    const QImage Picture = LoadBackground(Args.Background);
    if (Picture.isNull())
      Background.SetSize(2000, 2000);  // black
    else
      Background.Assign(Picture);
    tv::TBitmap Chart(2000, 2000);
    Draw_Chart(Chart.Canvas(), Background.Canvas());
    WritePicture(Chart, Args.Out);
    PrintBodyTable();
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "render_chart: %s\n", Error.what());
    return 1;
  }
  return 0;
}
