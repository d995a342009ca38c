// Long texts that cannot be cut where they show (kerning at every pair of
// letters, CJK, Devanagari, a text that needs a fallback font), placed and
// drawn into a cell of 120 pixels as the grid does, once through a measure
// kept with the text and once without one: the measure must not make them
// slower. Texts of 3,000 characters (one run of Qt's layout) and of 20,000.
//   canvas_bench --benchmark_filter=BM_UncuttableText
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/qt/Bitmap.h"

namespace {

std::string Repeated(const std::string& Unit, std::size_t Characters, std::size_t UnitCharacters) {
  std::string s;
  for (std::size_t n = 0; n < Characters; n += UnitCharacters) s += Unit;
  return s;
}

// Kind 0: "AV" pairs, 1: CJK, 2: Devanagari, 3: Latin words after a
// mathematical italic letter that the font lacks.
std::string Text(int Kind, std::size_t Characters) {
  switch (Kind) {
    case 0: return Repeated("AV", Characters, 2);
    case 1: return Repeated("\xE6\xBC\xA2\xE5\xAD\x97\xE3\x81\x8B\xE3\x81\xAA", Characters, 4);
    case 2: return Repeated("\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87 ", Characters, 7);
    default: return "\xF0\x9D\x90\xB6" + Repeated("Lorem ipsum ", Characters, 12);
  }
}

// Arguments: kind, characters, 1 through a measure or 0 without.
void BM_UncuttableText(benchmark::State& State) {
  tv::EnsureGuiApplication();
  tv::TBitmap bitmap(200, 40);
  tv::TCanvas& c = bitmap.Canvas();
  c.Font.Name = "DejaVu Sans";
  c.Font.Height = -13;
  c.Brush.Style = tv::TBrushStyle::bsClear;
  const std::string text = Text(static_cast<int>(State.range(0)), static_cast<std::size_t>(State.range(1)));
  const bool measured = State.range(2) != 0;
  const tv::TRect cell{40, 5, 160, 30};
  std::unique_ptr<tv::TTextMeasure> measure;
  for (auto _ : State) {
    // Centred, as a grid column may place it.
    const std::int32_t w = measured ? c.MeasuredTextWidth(text, measure, tv::WholeTextWidth) : c.TextWidth(text);
    const std::int32_t x = cell.Left + (cell.Width() - w) / 2;
    if (measured) {
      c.MeasuredTextRect(cell, x, 8, text, measure);
    } else {
      c.TextRect(cell, x, 8, text);
    }
  }
}
BENCHMARK(BM_UncuttableText)
    ->ArgsProduct({{0, 1, 2, 3}, {3000, 20000}, {0, 1}})
    ->ArgNames({"kind", "chars", "measured"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
