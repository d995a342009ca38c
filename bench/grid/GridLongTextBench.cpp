// One full paint pass of a screenful of cells: a grid of 12 columns by 40
// rows in a window of 800 x 600 pixels, which shows about 10 columns of 80
// pixels by 33 rows of 18. The columns take turns at left, centred and right
// alignment; every cell holds a text of its own: 100,000 characters of
// words, or a short one of a dozen. A cell shows only what fits in it, so the
// long texts should cost little more than the short ones.
//   grid_bench --benchmark_filter=BM_PaintScreenful
#include <benchmark/benchmark.h>

#include "BenchGrids.h"

namespace {

constexpr int Columns = 12;
constexpr int Rows = 40;

// Length 0: the short text of the cell.
std::string CellText(int Col, int Row, std::size_t Length) {
  std::string text = "r";
  text += std::to_string(Row);
  text += 'c';
  text += std::to_string(Col);
  text += " Lorem";
  if (Length == 0) return text;
  static const std::string words = " ipsum dolor sit amet, consectetur adipiscing elit 0123456789 AVATAR.";
  while (text.size() < Length) text += words;
  text.resize(Length);
  return text;
}

std::unique_ptr<TTextGridWidget> Screenful(std::size_t Length) {
  EnsureWidgetApplication();
  auto w = std::make_unique<TTextGridWidget>();
  w->resize(800, 600);
  TTextGrid& g = w->Grid();
  g.SetColCount(Columns);
  g.SetRowCount(Rows);
  const THorzAlign aligns[3] = {haLeft, haCenter, haRight};
  for (int c = 0; c < Columns; ++c) {
    g.Columns()[c].SetHorzAlign(aligns[c % 3]);
    for (int r = 0; r < Rows; ++r) g.SetCellText(c, r, CellText(c, r, Length));
  }
  g.Paint();  // a text is measured once, at its first paint
  return w;
}

void BM_PaintScreenfulShortTexts(benchmark::State& State) {
  const auto w = Screenful(0);
  for (auto _ : State) w->Grid().Paint();
}
BENCHMARK(BM_PaintScreenfulShortTexts)->Unit(benchmark::kMicrosecond);

void BM_PaintScreenfulLongTexts(benchmark::State& State) {
  const auto w = Screenful(100'000);
  for (auto _ : State) w->Grid().Paint();
}
BENCHMARK(BM_PaintScreenfulLongTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
