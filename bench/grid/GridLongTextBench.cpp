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

// The paint right after the first row was deleted (DeleteRow(0), as
// Ctrl+Delete on it does): every text has moved up a row and one row more
// comes into view. The texts keep what was measured of them, so the paint
// should cost about what the paint of the screenful does. Between the
// timed paints the row goes back in with its texts (not timed), and one
// such round before the loop measures the row that comes into view.
//   grid_bench --benchmark_filter=AfterDelete
void PaintAfterDelete(benchmark::State& State, std::size_t Length) {
  const auto w = Screenful(Length);
  TTextGrid& g = w->Grid();
  const auto restoreFirstRow = [&] {
    g.InsertRow(0);
    for (int c = 0; c < Columns; ++c) g.SetCellText(c, 0, CellText(c, 0, Length));
  };
  g.DeleteRow(0);
  g.Paint();
  restoreFirstRow();
  for (auto _ : State) {
    State.PauseTiming();
    g.DeleteRow(0);
    State.ResumeTiming();
    g.Paint();
    State.PauseTiming();
    restoreFirstRow();
    State.ResumeTiming();
  }
}

void BM_PaintScreenfulShortTextsAfterDelete(benchmark::State& State) { PaintAfterDelete(State, 0); }
BENCHMARK(BM_PaintScreenfulShortTextsAfterDelete)->Unit(benchmark::kMicrosecond);

void BM_PaintScreenfulLongTextsAfterDelete(benchmark::State& State) { PaintAfterDelete(State, 100'000); }
BENCHMARK(BM_PaintScreenfulLongTextsAfterDelete)->Unit(benchmark::kMicrosecond);

}  // namespace
