// The primitives a chart draw consists of, on the 2000 x 2000 drawing
// bitmap: star discs, one-pixel figure lines, two-pixel circle chords and
// turned labels (the canvas keeps their pixels after the first painting).
//   canvas_bench --benchmark_filter=BM_Chart
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "platform/qt/Bitmap.h"

namespace {

tv::TBitmap& Drawing() {
  static tv::TBitmap bitmap = [] {
    tv::EnsureGuiApplication();
    return tv::TBitmap(2000, 2000);
  }();
  return bitmap;
}

// A point on a spiral over the disc of radius 940 round the centre; K in any range.
tv::TPoint Scatter(int K) {
  const double r = 940.0 * std::sqrt((K % 1000) / 1000.0);
  const double a = K * 2.399963;  // golden angle, radians
  return {1000 + static_cast<int>(r * std::cos(a)), 1000 + static_cast<int>(r * std::sin(a))};
}

void BM_ChartStarDiscs(benchmark::State& State) {
  tv::TCanvas& c = Drawing().Canvas();
  c.Pen = {0xFFFFFF, 0, tv::TPenStyle::psSolid};
  c.Brush = {0xFFFFFF, tv::TBrushStyle::bsSolid};
  for (auto _ : State) {
    for (int k = 0; k < 1400; ++k) {
      const tv::TPoint p = Scatter(k);
      const int a = 1 + k % 8;
      c.Ellipse(p.X - a, p.Y - a, p.X + a, p.Y + a);
    }
  }
}
BENCHMARK(BM_ChartStarDiscs)->Unit(benchmark::kMicrosecond);

void BM_ChartFigureLines(benchmark::State& State) {
  tv::TCanvas& c = Drawing().Canvas();
  c.Pen = {0xC0C0C0, 1, tv::TPenStyle::psSolid};
  for (auto _ : State) {
    for (int k = 0; k < 670; ++k) {
      const tv::TPoint a = Scatter(k), b = Scatter(k + 7);
      c.MoveTo(a.X, a.Y);
      c.LineTo(a.X + (b.X - a.X) / 8, a.Y + (b.Y - a.Y) / 8);
    }
  }
}
BENCHMARK(BM_ChartFigureLines)->Unit(benchmark::kMicrosecond);

void BM_ChartCircleChords(benchmark::State& State) {
  tv::TCanvas& c = Drawing().Canvas();
  const int width = static_cast<int>(State.range(0));
  c.Pen = {0x008000, width, tv::TPenStyle::psSolid};
  for (auto _ : State) {
    for (double r : {632.0, 316.0}) {
      c.MoveTo(1000, 1000 - static_cast<int>(r));
      for (int j = 1; j <= 180; ++j) {
        const double phi = j * std::numbers::pi / 90;
        c.LineTo(1000 + static_cast<int>(std::lround(r * std::sin(phi))),
                 1000 - static_cast<int>(std::lround(r * std::cos(phi))));
      }
    }
  }
}
BENCHMARK(BM_ChartCircleChords)->Arg(2)->Arg(150)->Unit(benchmark::kMicrosecond);

void BM_ChartTurnedLabels(benchmark::State& State) {
  tv::TCanvas& c = Drawing().Canvas();
  c.Brush.Style = tv::TBrushStyle::bsClear;
  c.Font.Bold = true;
  c.Font.SetSize(18);
  c.Font.Color = 0xB0C020;
  for (auto _ : State) {
    for (int k = 0; k < 88; ++k) {
      const tv::TPoint p = Scatter(k * 11);
      c.Font.Escapement = (k * 37) % 360 * 10;
      c.TextOut(p.X, p.Y, std::string(1, static_cast<char>('A' + k % 26)) + "ql");
    }
  }
  c.Font.Escapement = 0;
}
BENCHMARK(BM_ChartTurnedLabels)->Unit(benchmark::kMicrosecond);

}  // namespace
