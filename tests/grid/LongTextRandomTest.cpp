// Seeded random long texts (canvas/RandomLongTexts.h) placed in a cell by
// DrawTextAligned through one measure over several draws have the pixels and
// the caret point of the whole text placed without one, for every
// alignment, with and without ShowEnd, in random cells: both in a new
// process where the measured path lays each text out first, and after
// warming (the text laid out once before, then placed whole first).
// TV_RANDOM_LONG_TEXTS=n places n texts instead of the usual number.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeGridHost.h"
#include "canvas/RandomLongTexts.h"
#include "platform/qt/Bitmap.h"

namespace tv {
namespace {

constexpr int Width = 200, Height = 56;
constexpr std::uint32_t Seed = 20261212;
constexpr int UsualCount = 250;

// Places Count random texts from Seed, each through a measure kept over
// four placements and whole beside it (the measured path first when
// MeasuredFirst); returns the first failures, empty when there is none.
std::string PlaceRandomTexts(std::uint32_t Seed, int Count, bool MeasuredFirst) {
  TRandomLongTexts random(Seed);
  TBitmap whole(Width, Height), part(Width, Height);
  std::string failures;
  int failed = 0;
  for (int n = 0; n < Count && failed < 5; ++n) {
    std::string kind;
    const std::string text = random.Text(kind);
    bool smooth = false;
    const TFont font = random.Font(smooth);
    std::unique_ptr<TTextMeasure> measure;
    if (!MeasuredFirst) WarmUp(text, font, smooth);
    for (int draw = 0; draw < 4; ++draw) {
      const int left = random.Below(Width + 40) - 30, top = random.Below(Height) - 10;
      const TRect r{left, top, left + random.Below(160), top + random.Below(50)};
      const auto horizontal = static_cast<THorzAlign>(random.Below(3));
      const auto vertical = static_cast<TVertAlign>(random.Below(3));
      const bool showEnd = random.Chance(40);
      const TBrush brush{RGBColor(250, 250, 200), random.Chance(30) ? TBrushStyle::bsSolid : TBrushStyle::bsClear};
      PrepareBoth(whole, part, brush, font, smooth);
      TPoint measured, plain;
      const auto placeMeasured = [&] {
        measured = TTextGrid::DrawTextAligned(part.Canvas(), text, r, horizontal, vertical, showEnd, &measure);
      };
      const auto placeWhole = [&] {
        plain = TTextGrid::DrawTextAligned(whole.Canvas(), text, r, horizontal, vertical, showEnd);
      };
      if (MeasuredFirst) {
        placeMeasured();
        placeWhole();
      } else {
        placeWhole();
        placeMeasured();
      }
      if (!(measured == plain) || whole.Image() != part.Image()) {
        ++failed;
        failures += DescribedDraw(n, kind, text.size(), font, smooth, draw) + ", alignment " + std::to_string(horizontal) + "/" + std::to_string(vertical) +
                    (showEnd ? ", end shown" : "") + " in " + std::to_string(r.Left) + "," + std::to_string(r.Top) +
                    "-" + std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ": caret " +
                    std::to_string(measured.X) + "," + std::to_string(measured.Y) + " for " + std::to_string(plain.X) +
                    "," + std::to_string(plain.Y) + ", " + std::to_string(DifferingPixels(whole, part)) +
                    " pixels differ\n";
        break;
      }
    }
  }
  return failures;
}

TEST(LongTextRandom, PixelsAndCaretAsTheWholeText) {
  EnsureGuiApplication();
  std::string output;
  EXPECT_TRUE(RunChildTest("ChildRun.RandomTextsPlacedMeasuredFirst", output)) << output;
  EXPECT_EQ(PlaceRandomTexts(Seed, RandomLongTextCount(UsualCount), false), "");
}

// The child half of the test above, in a process of its own.
TEST_F(ChildRun, RandomTextsPlacedMeasuredFirst) {
  EXPECT_EQ(PlaceRandomTexts(Seed, RandomLongTextCount(UsualCount), true), "");
}

}  // namespace
}  // namespace tv
