// One full paint pass of a text grid into its widget's back buffer: the main
// window's body table (310 x 380, 4 columns, 19 rows), and a grid of 20
// columns and 1,000,000 rows scrolled to its middle, in a window of the same
// size and in one of 800 x 600. The pass visits only the cells that can be
// seen: its cost follows the window, not the number of rows.
//   grid_bench --benchmark_filter=BM_Paint
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "grid/qt/TextGridWidget.h"

namespace {

tv::TFont Narrow(std::int32_t Height) {
  tv::TFont f;
  f.Name = "Arial Narrow";
  f.Height = Height;
  f.Pitch = tv::TFontPitch::fpFixed;
  return f;
}

// The body table as the main window sets it up and fills it.
std::unique_ptr<TTextGridWidget> BodyTable() {
  EnsureWidgetApplication();
  auto w = std::make_unique<TTextGridWidget>();
  w->SetBorderStyle(bsNone);
  w->resize(310, 380);
  TTextGrid& g = w->Grid();
  g.SetFont(Narrow(-15));
  g.SetHeaderFont(Narrow(-15));
  g.SetFooterFont(Narrow(-10));
  g.SetGutterFont(Narrow(-10));
  g.SetDefColWidth(40);
  g.SetReadOnly(true);
  g.SetGutterKind(gkNone);
  g.SetGutterWidth(0);
  g.SetColCount(4);
  g.SetRowCount(19);
  const int widths[4] = {70, 78, 78, 83};
  for (int c = 0; c < 4; ++c) {
    g.Columns()[c].SetWidth(widths[c]);
    g.Columns()[c].SetHorzAlign(c == 0 ? haLeft : haCenter);
  }
  g.SetHeaderLine(2);
  g.Columns()[0].SetTitle("Body");
  g.Columns()[1].SetTitle("RA (h)|Azi (°)");
  g.Columns()[2].SetTitle("DE (°)|Alt (°)");
  g.Columns()[3].SetTitle("r (AU)|Mag / Diam");
  // Two rows per body: 0-1 the Sun, 2-3 the Moon, 5-6 Mercury ... 17-18 Neptune.
  const char* bodies[9] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"};
  for (int r = 0; r < 19; ++r) {
    if (r == 4) continue;
    const bool first = r < 4 ? r % 2 == 0 : r % 2 == 1;
    g.SetCellText(0, r, first ? bodies[r < 4 ? r / 2 : (r - 1) / 2] : "");
    g.SetCellText(1, r, first ? "17:45:12.3" : "123.4567");
    g.SetCellText(2, r, first ? "-23:26:01" : "-12.3456");
    g.SetCellText(3, r, first ? "0.98330" : "-26.7 / 1951.8\"");
  }
  return w;
}

// 20 columns of 80 pixels, a million rows with their numbers in the gutter,
// texts in the rows around the middle, scrolled there.
std::unique_ptr<TTextGridWidget> MillionRows(int Width, int Height) {
  EnsureWidgetApplication();
  auto w = std::make_unique<TTextGridWidget>();
  w->resize(Width, Height);
  TTextGrid& g = w->Grid();
  g.SetGutterKind(gkNumber);
  g.SetGutterWidth(60);
  g.SetColCount(20);
  g.SetRowCount(1'000'000);
  for (int r = 499'990; r < 500'040; ++r) {
    for (int c = 0; c < 20; ++c) g.SetCellText(c, r, std::to_string(r) + "/" + std::to_string(c));
  }
  g.SetScrollY(500'000 * 18);
  g.SetScrollX(400);
  return w;
}

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
