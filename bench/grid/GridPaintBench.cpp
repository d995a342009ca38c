// One full paint pass of a text grid into its widget's back buffer: the main
// window's body table (310 x 380, 4 columns, 19 rows), and a grid of 20
// columns and 1,000,000 rows scrolled to its middle, in a window of the same
// size and in one of 800 x 600. The pass visits only the cells that can be
// seen: its cost follows the window, not the number of rows.
//   grid_bench --benchmark_filter=BM_Paint
#include <benchmark/benchmark.h>

#include "BenchGrids.h"

namespace {

void BM_PaintBodyTable(benchmark::State& State) {
  const auto w = BodyTable();
  for (auto _ : State) w->Grid().Paint();
}
BENCHMARK(BM_PaintBodyTable)->Unit(benchmark::kMicrosecond);

// Arguments: the window's width and height.
void BM_PaintMillionRowsMiddle(benchmark::State& State) {
  const auto w = MillionRows(static_cast<int>(State.range(0)), static_cast<int>(State.range(1)));
  for (auto _ : State) w->Grid().Paint();
  State.counters["rows"] = w->Grid().RowCount();
}
BENCHMARK(BM_PaintMillionRowsMiddle)->Args({310, 380})->Args({800, 600})->Unit(benchmark::kMicrosecond);

}  // namespace
