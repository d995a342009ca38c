// The frame layers on the 2000 x 2000 drawing bitmap.
#include <benchmark/benchmark.h>

#include "chart/ChartFrame.h"
#include "chart/ChartSurface.h"
#include "data/SharedState.h"
#include "platform/qt/Bitmap.h"

namespace {

tv::TBitmap& DrawingBitmap() {
  tv::EnsureGuiApplication();
  static tv::TBitmap bitmap(ChartSize, ChartSize);
  const char* letters[4] = {"N", "E", "S", "W"};
  for (int row = 0; row < 4; ++row) Texts[16 + row][1] = letters[row];
  Language = 1;
  return bitmap;
}

// Altitude circles, cross, horizon mask, zenith and compass letters, foot lines.
void BM_FrameLayers(benchmark::State& State) {
  tv::TCanvas& c = DrawingBitmap().Canvas();
  for (auto _ : State) {
    Draw_AltCircles(c);
    Draw_Cross(c);
    Draw_HorizonMask(c);
    Draw_HorizonLabels(c);
    Draw_Credits(c);
  }
}
BENCHMARK(BM_FrameLayers)->Unit(benchmark::kMillisecond);

void BM_AltCircles(benchmark::State& State) {
  tv::TCanvas& c = DrawingBitmap().Canvas();
  for (auto _ : State) Draw_AltCircles(c);
}
BENCHMARK(BM_AltCircles)->Unit(benchmark::kMillisecond);

void BM_HorizonMask(benchmark::State& State) {
  tv::TCanvas& c = DrawingBitmap().Canvas();
  for (auto _ : State) Draw_HorizonMask(c);
}
BENCHMARK(BM_HorizonMask)->Unit(benchmark::kMillisecond);

void BM_Labels(benchmark::State& State) {
  tv::TCanvas& c = DrawingBitmap().Canvas();
  for (auto _ : State) {
    Draw_HorizonLabels(c);
    Draw_Credits(c);
  }
}
BENCHMARK(BM_Labels)->Unit(benchmark::kMillisecond);

void BM_Background(benchmark::State& State) {
  tv::TCanvas& c = DrawingBitmap().Canvas();
  static tv::TBitmap background(ChartSize, ChartSize);
  for (auto _ : State) Draw_Background(c, background.Canvas());
}
BENCHMARK(BM_Background)->Unit(benchmark::kMillisecond);

}  // namespace
