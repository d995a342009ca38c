// What the grid's state changes cost: the body table refilled by a draw
// request (63 writes) with unchanged texts, which draw nothing, and with new
// texts, each drawn at once into the back buffer; a move of the current cell
// with its collapse in a million-row grid; and a row inserted and deleted
// again in a grid of 20 columns whose lists hold 100,000 texts each.
//   grid_bench --benchmark_filter='BM_(Refill|Collapse|InsertDelete)'
#include <benchmark/benchmark.h>

#include "BenchGrids.h"

namespace {

void BM_RefillBodyTableUnchanged(benchmark::State& State) {
  const auto w = BodyTable();
  for (auto _ : State) FillBodyTable(w->Grid(), 0);
}
BENCHMARK(BM_RefillBodyTableUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RefillBodyTableChanged(benchmark::State& State) {
  const auto w = BodyTable();
  int variant = 0;
  for (auto _ : State) FillBodyTable(w->Grid(), variant ^= 1);
}
BENCHMARK(BM_RefillBodyTableChanged)->Unit(benchmark::kMicrosecond);

// The current cell one row down (and back up at the end of the rows), made
// the selection and scrolled into view.
void BM_CollapseSelectionMillionRows(benchmark::State& State) {
  const auto w = MillionRows(800, 600);
  TTextGrid& g = w->Grid();
  std::int32_t row = 500'000;
  g.SetCurrentRow(row);
  for (auto _ : State) {
    row = row + 1 < g.RowCount() ? row + 1 : 0;
    g.SetCurrentRow(row);
    g.CollapseSelection();
  }
}
BENCHMARK(BM_CollapseSelectionMillionRows)->Unit(benchmark::kMicrosecond);

void BM_InsertDeleteRow(benchmark::State& State) {
  EnsureWidgetApplication();
  TTextGridWidget w;
  w.resize(800, 600);
  TTextGrid& g = w.Grid();
  g.SetColCount(20);
  g.SetRowCount(100'000);
  for (int c = 0; c < 20; ++c) g.SetCellText(c, 99'999, "last");
  for (auto _ : State) {
    g.InsertRow(50'000);
    g.DeleteRow(50'000);
  }
}
BENCHMARK(BM_InsertDeleteRow)->Unit(benchmark::kMicrosecond);

}  // namespace
