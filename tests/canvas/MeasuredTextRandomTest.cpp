// Seeded random long texts (RandomLongTexts.h) drawn through one measure
// over several draws have the pixels of the whole text drawn by TextRect, and
// MeasuredTextWidth gives TextWidth up to its limit, at random placements,
// with a clear or a solid brush: both in a new process where the measured
// path lays each text out first, and after warming (the text laid out once
// before, then drawn whole first).
// TV_RANDOM_LONG_TEXTS=n draws n texts instead of the usual number.
#include <memory>
#include <string>

#include "CanvasTestUtil.h"
#include "RandomLongTexts.h"

namespace tv {
namespace {

constexpr int Width = 200, Height = 56;
constexpr std::uint32_t Seed = 20261211;
constexpr int UsualCount = 400;

// Draws Count random texts from Seed, each through a measure kept over
// four draws and whole beside it (the measured path first when
// MeasuredFirst); returns the first failures, empty when there is none.
std::string DrawRandomTexts(std::uint32_t Seed, int Count, bool MeasuredFirst) {
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
    // The width once known; till then a guess, to place the text.
    std::int32_t known = -1;
    const std::int32_t guess = static_cast<std::int32_t>(text.size()) * std::max(1, std::abs(font.Height)) / 2;
    for (int draw = 0; draw < 4; ++draw) {
      const std::int32_t w = known >= 0 ? known : guess;
      const int left = random.Below(Width + 40) - 30, top = random.Below(Height) - 10;
      const TRect r{left, top, left + 1 + random.Below(160), top + 1 + random.Below(50)};
      std::int32_t x = r.Left;
      switch (random.Below(6)) {
        case 0: x = r.Left + random.Below(11) - 5; break;                 // its start in view
        case 1: x = r.Left - random.Below(std::max(w, 1)); break;        // anywhere in it
        case 2: x = r.Right - w + random.Below(11) - 5; break;           // its end in view
        case 3: x = r.Left - w - random.Below(80); break;                 // ending before
        case 4: x = r.Right + random.Below(80); break;                    // starting after
        default: x = r.Left + (r.Width() - w) / 2; break;                 // centred
      }
      const std::int32_t y = r.Top + random.Below(21) - 10;
      const std::int32_t limit =
          random.Chance(50) ? WholeTextWidth : random.Chance(50) ? std::max(r.Width(), 0) : random.Below(3000);
      const TBrush brush{RGBColor(250, 250, 200), random.Chance(30) ? TBrushStyle::bsSolid : TBrushStyle::bsClear};
      const bool widthFirst = random.Chance(70);
      PrepareBoth(whole, part, brush, font, smooth);
      std::int32_t measured = 0, plain = 0;
      const auto drawMeasured = [&] {
        TQtCanvas& c = part.Canvas();
        if (widthFirst) measured = c.MeasuredTextWidth(text, measure, limit);
        c.MeasuredTextRect(r, x, y, text, measure);
        if (!widthFirst) measured = c.MeasuredTextWidth(text, measure, limit);
      };
      const auto drawWhole = [&] {
        plain = whole.Canvas().TextWidth(text);
        whole.Canvas().TextRect(r, x, y, text);
      };
      if (MeasuredFirst) {
        drawMeasured();
        drawWhole();
      } else {
        drawWhole();
        drawMeasured();
      }
      known = plain;
      if (measured != std::min(plain, limit) || whole.Image() != part.Image()) {
        ++failed;
        failures += DescribedDraw(n, kind, text.size(), font, smooth, draw) + " at x " + std::to_string(x) + " in " + std::to_string(r.Left) + "," + std::to_string(r.Top) +
                    "-" + std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ": width " +
                    std::to_string(measured) + " for " + std::to_string(std::min(plain, limit)) + ", " +
                    std::to_string(DifferingPixels(whole, part)) + " pixels differ\n";
        break;
      }
    }
  }
  return failures;
}

class MeasuredTextRandom : public QtCanvasTest {};

TEST_F(MeasuredTextRandom, PixelsAndWidthsAsTheWholeText) {
  std::string output;
  EXPECT_TRUE(RunChildTest("ChildRun.RandomTextsMeasuredFirst", output)) << output;
  EXPECT_EQ(DrawRandomTexts(Seed, RandomLongTextCount(UsualCount), false), "");
}

// The child half of the test above, in a process of its own.
TEST_F(ChildRun, RandomTextsMeasuredFirst) {
  EXPECT_EQ(DrawRandomTexts(Seed, RandomLongTextCount(UsualCount), true), "");
}

}  // namespace
}  // namespace tv
