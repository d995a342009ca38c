// What the grid's input costs: a paste of 8 x 1000 cells spread from the
// current cell and one tiled over a block of 8 x 10,000, both written with
// painting locked and one invalidation; the Down key in a million-row grid
// (a collapse with its scrolling); and the hover hit test over 20 columns.
//   grid_bench --benchmark_filter='BM_(Paste|KeyDown|Hover)'
#include <benchmark/benchmark.h>

#include "BenchGrids.h"

namespace {

// Grid text of Rows lines of 8 fields; Variant changes every field.
std::string GridText(int Rows, int Variant) {
  std::string text;
  for (int r = 0; r < Rows; ++r) {
    for (int c = 0; c < 8; ++c) {
      if (c > 0) text += '\t';
      text += std::to_string(r * 8 + c + Variant);
    }
    text += "\r\n";
  }
  return text;
}

std::unique_ptr<TTextGridWidget> EightColumns(int Rows) {
  EnsureWidgetApplication();
  auto w = std::make_unique<TTextGridWidget>();
  w->resize(800, 600);
  w->Grid().SetColCount(8);
  w->Grid().SetRowCount(Rows);
  return w;
}

void BM_PasteSpread8x1000(benchmark::State& State) {
  const auto w = EightColumns(1000);
  const std::string texts[2] = {GridText(1000, 0), GridText(1000, 1)};
  int variant = 0;
  for (auto _ : State) w->Grid().PasteGridText(texts[variant ^= 1]);
  State.SetItemsProcessed(State.iterations() * 8000);
}
BENCHMARK(BM_PasteSpread8x1000)->Unit(benchmark::kMillisecond);

void BM_PasteTiled8x10000(benchmark::State& State) {
  const auto w = EightColumns(10'000);
  w->Grid().SetSelArea({0, 0, 7, 9'999});
  const std::string texts[2] = {GridText(2, 0), GridText(2, 1)};
  int variant = 0;
  for (auto _ : State) w->Grid().PasteGridText(texts[variant ^= 1]);
  State.SetItemsProcessed(State.iterations() * 80'000);
}
BENCHMARK(BM_PasteTiled8x10000)->Unit(benchmark::kMillisecond);

void BM_KeyDownMillionRows(benchmark::State& State) {
  const auto w = MillionRows(800, 600);
  TTextGrid& g = w->Grid();
  g.SetCurrentRow(500'000);
  for (auto _ : State) {
    TVirtualKey key = g.CurRow() + 1 < g.RowCount() ? VK_DOWN : VK_PRIOR;
    g.KeyDown(key, 0);
  }
}
BENCHMARK(BM_KeyDownMillionRows)->Unit(benchmark::kMicrosecond);

// A move without a button across the columns of the million-row grid: the
// border search walks 20 columns each time.
void BM_HoverTwentyColumns(benchmark::State& State) {
  const auto w = MillionRows(800, 600);
  TTextGrid& g = w->Grid();
  int x = 0;
  for (auto _ : State) {
    x = (x + 7) % 780;
    g.MouseMove(0, x, 300);
  }
}
BENCHMARK(BM_HoverTwentyColumns)->Unit(benchmark::kMicrosecond);

}  // namespace
