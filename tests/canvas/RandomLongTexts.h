// Seeded random long texts and fonts for the tests of measured texts (the
// canvas's and the grid's): words of several scripts with ligatures and
// kerning, signs, combining marks (leading ones too), characters that no
// installed font draws or that lie outside the BMP, right-to-left text,
// control characters and bytes that are not UTF-8, long runs of signs before
// the first letter and script changes near Qt's cuts of long runs (every
// 4096 UTF-16 units); fonts of every installed family (and one unknown
// name), 1 to 40 pixels, plain, bold or italic, smoothed or not. Also the
// child half of a test, run in a new process of the test program (where
// Qt has laid out nothing yet).
#pragma once

#include <QCoreApplication>
#include <QFontDatabase>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/canvas/Canvas.h"
#include "platform/qt/Bitmap.h"

namespace tv {

class TRandomLongTexts {
 public:
  explicit TRandomLongTexts(std::uint32_t Seed) : Random_(Seed) {}

  // 0 .. N - 1.
  int Below(int N) { return std::uniform_int_distribution<int>(0, N - 1)(Random_); }
  bool Chance(int Percent) { return Below(100) < Percent; }

  // A text of 256 bytes or more, mostly of a few thousand, one in five past
  // a cut of a long run; Kind names what went into it.
  std::string Text(std::string& Kind) {
    static const std::vector<std::vector<std::string>> bases = {
        {"office", "affluent", "ffi", "ffl", "fifth", "AVATAR", "Typo", "LTA", "Wave", "To", "Yo", "lorem",
         "ipsum", "dolor", "sit", "amet", "P.", "V.", "fjord", "Ty"},                            // Latin words
        {".", "...", "1111", "42.5%", ",", ";", "-", "/", "=", "(7)", "\"", "'", "\xE2\x82\xAC",
         "\xE2\x80\x94", "+-", "0123456789"},                                                     // signs only
        {"Gr\xC3\xB6\xC3\x9F" "e", "\xC3\x84rger", "fa\xC3\xA7" "ade", "na\xC3\xAFve", "se\xC3\xB1or",
         "\xC3\x98re", "\xC3\xA6" "ble", "\xC3\xBC" "ber"},                                          // Latin-1
        {"\xCE\xB1\xCE\xBB\xCF\x86\xCE\xB1", "\xCE\x92\xCE\xAE\xCF\x84\xCE\xB1",
         "\xCE\xB3\xCE\xAC\xCE\xBC\xCE\xBC\xCE\xB1", "\xCE\x91\xCE\xA5\xCE\xA4\xCE\x9F"},        // Greek
        {"\xD0\x96\xD1\x91\xD0\xBB\xD1\x82\xD1\x8B\xD0\xB9", "\xD0\x93\xD0\x90\xD0\x93\xD0\x90",
         "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},                                    // Cyrillic
        {"ffi", "ffl", "fi", "fl", "AV", "VA", "To", "Ty", "LT", "P.", "WA", "Yo", "AVAV", "ff"},  // ligatures, kerning
    };
    static const char* const baseNames[] = {"Latin", "signs", "Latin-1", "Greek", "Cyrillic", "ligatures"};
    static const std::vector<std::pair<const char*, std::vector<std::string>>> extras = {
        {"marks", {"e\xCC\x81", "a\xCC\x88", "\xD2\x83", "o\xCC\x83\xCC\x81"}},
        {"CJK", {"\xE6\xBC\xA2\xE5\xAD\x97", "\xE3\x81\x8B\xE3\x81\xAA"}},
        {"astral", {"\xF0\x9D\x94\xB8", "\xF0\x9F\x98\x80", "\xF0\x90\x8C\x80", "\xF0\x9D\x90\xB6",
                    "\xF0\x9D\x90\x9B", "\xF0\x9D\x9F\x98"}},
        {"right to left", {"\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"}},
        {"Devanagari, Thai", {"\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87",
                              "\xE0\xB8\xAA\xE0\xB8\xA7\xE0\xB8\xB1\xE0\xB8\xAA\xE0\xB8\x94\xE0\xB8\xB5"}},
        {"control", {"\t", "\x01", "\x7F"}},
        {"not UTF-8", {"\xE9", "\xC3", "\xFF", "\xED\xA0\x80"}},
    };
    const int base = Below(static_cast<int>(bases.size()));
    Kind = baseNames[base];
    std::vector<const std::vector<std::string>*> mixed{&bases[static_cast<std::size_t>(base)]};
    if (Chance(30)) mixed.push_back(&bases[static_cast<std::size_t>(Below(static_cast<int>(bases.size())))]);
    const int extra = Chance(35) ? Below(static_cast<int>(extras.size())) : -1;
    if (extra >= 0) Kind += std::string(", ") + extras[static_cast<std::size_t>(extra)].first;
    const bool pastCut = Chance(20);
    const std::size_t units = pastCut ? 4200 + static_cast<std::size_t>(Below(9000))
                                      : 256 + static_cast<std::size_t>(Below(1200));
    std::string text;
    std::size_t at = 0;  // UTF-16 units so far (an invalid byte counts one)
    const auto add = [&](const std::string& Piece) {
      text += Piece;
      for (const char c : Piece) {
        const auto b = static_cast<unsigned char>(c);
        at += (b & 0xC0) != 0x80 ? (b >= 0xF0 ? 2 : 1) : 0;
      }
    };
    if (Chance(8)) {
      static const char* const leading[] = {"\xCC\x81", "\xCC\x88", "\xD2\x83"};
      add(leading[Below(3)]);
      Kind += ", a leading mark";
    }
    if (pastCut && Chance(15)) {
      add(std::string(4000 + static_cast<std::size_t>(Below(300)), ".,- "[Below(4)]));
      Kind += ", signs before the first letter";
    }
    // Where a script change (or a character outside the BMP) lands near a cut.
    const std::size_t nearCut =
        pastCut && Chance(40) ? 4096 * (1 + static_cast<std::size_t>(Below(2))) - 3 + Below(7) : 0;
    while (at < units || text.size() < 256) {
      if (nearCut != 0 && at + 12 >= nearCut && at < nearCut) {
        while (at < nearCut) add(".");
        add(Chance(50) ? bases[3 + static_cast<std::size_t>(Below(2))][0] : extras[2].second[0]);
        Kind += ", at a cut";
        continue;
      }
      const auto& words = *mixed[static_cast<std::size_t>(Below(static_cast<int>(mixed.size())))];
      add(words[static_cast<std::size_t>(Below(static_cast<int>(words.size())))]);
      if (extra >= 0 && Chance(4)) {
        const auto& pieces = extras[static_cast<std::size_t>(extra)].second;
        add(pieces[static_cast<std::size_t>(Below(static_cast<int>(pieces.size())))]);
      }
      if (base != 5 && Chance(70)) add(" ");
    }
    return text;
  }

  // A font of an installed family (or an unknown name), 1 to 40 pixels as
  // a character or a cell height; Smooth: whether its text is smoothed.
  TFont Font(bool& Smooth) {
    static const QStringList families = [] {
      QStringList names = QFontDatabase::families();
      names.append("No Such Family");
      return names;
    }();
    TFont f;
    f.Name = families[Below(static_cast<int>(families.size()))].toStdString();
    const int size = 1 + Below(40);
    f.Height = Chance(70) ? -size : size;
    f.Bold = Chance(30);
    f.Italic = Chance(30);
    f.Color = RGBColor(Below(120), Below(120), 100 + Below(156));
    Smooth = Chance(50);
    return f;
  }

 private:
  std::mt19937 Random_;
};

// Lays Text out once in Font on a canvas of its own, warming Qt for it:
// Qt's first layout of a text may take other fallback fonts than its later
// ones.
inline void WarmUp(const std::string& Text, const TFont& Font, bool Smooth) {
  TQtCanvas warm;
  warm.Font = Font;
  warm.AntialiasText = Smooth;
  warm.TextWidth(Text);
}

// Both pictures on the same ground, then with Brush, Font and the
// smoothing set for a text.
inline void PrepareBoth(TBitmap& A, TBitmap& B, const TBrush& Brush, const TFont& Font, bool Smooth) {
  for (TBitmap* b : {&A, &B}) {
    TQtCanvas& c = b->Canvas();
    c.Brush = {RGBColor(230, 240, 250), TBrushStyle::bsSolid};
    c.FillRect({0, 0, b->Width(), b->Height()});
    c.Brush = Brush;
    c.Font = Font;
    c.AntialiasText = Smooth;
  }
}

// How many pixels of two pictures of one size differ.
inline int DifferingPixels(const TBitmap& A, const TBitmap& B) {
  int pixels = 0;
  for (int y = 0; y < A.Height(); ++y)
    for (int x = 0; x < A.Width(); ++x) pixels += A.Pixel(x, y) != B.Pixel(x, y) ? 1 : 0;
  return pixels;
}

// The start of a failure's line: random text N of its kind and length, in
// its font, at its draw.
inline std::string DescribedDraw(int N, const std::string& Kind, std::size_t Bytes, const TFont& Font, bool Smooth,
                                 int Draw) {
  return "text " + std::to_string(N) + " (" + Kind + ", " + std::to_string(Bytes) + " bytes) in " + Font.Name + " " +
         std::to_string(Font.Height) + (Font.Bold ? " bold" : "") + (Font.Italic ? " italic" : "") +
         (Smooth ? " smoothed" : "") + ", draw " + std::to_string(Draw);
}

// The number of random texts a test draws: Normal, or what the environment
// variable TV_RANDOM_LONG_TEXTS gives (for a larger run).
inline int RandomLongTextCount(int Normal) {
  const char* v = std::getenv("TV_RANDOM_LONG_TEXTS");
  return v != nullptr && std::atoi(v) > 0 ? std::atoi(v) : Normal;
}

// The child half of a test, which runs in a new process of the test
// program (RunChildTest) and is skipped anywhere else.
inline constexpr const char* ChildVariable = "TV_MEASURED_TEXT_CHILD";
class ChildRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureGuiApplication(); }
  void SetUp() override {
    if (!qEnvironmentVariableIsSet(ChildVariable)) GTEST_SKIP() << "runs as the child half of another test";
  }
};

// Runs the test Filter ("ChildRun.Name") of this test program in a new
// process; true when it ran and passed. Output: what it wrote.
inline bool RunChildTest(const char* Filter, std::string& Output) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(ChildVariable, "1");
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(), {QString("--gtest_filter=") + Filter});
  const bool finished = child.waitForFinished(600000);
  Output = child.readAll().toStdString();
  return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
         Output.find(std::string("[       OK ] ") + Filter) != std::string::npos;
}

}  // namespace tv
