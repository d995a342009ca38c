// The halftone-scaled copy of the drawing bitmap into the visible picture.
#include <benchmark/benchmark.h>

#include "platform/qt/Bitmap.h"

namespace {

void BM_HalftoneCopy(benchmark::State& State) {
  tv::EnsureGuiApplication();
  static tv::TBitmap drawing(2000, 2000);
  drawing.Canvas().Pen = {0x00FF80, 1, tv::TPenStyle::psDot};
  for (int r = 100; r < 1000; r += 100) drawing.Canvas().Ellipse(1000 - r, 1000 - r, 1000 + r, 1000 + r);
  const int side = static_cast<int>(State.range(0));
  tv::TBitmap shown(side, side);
  shown.Canvas().SetStretchBltMode(tv::TStretchMode::smHalftone);
  for (auto _ : State) shown.Canvas().CopyRect({0, 0, side, side}, drawing.Canvas(), {0, 0, 2000, 2000});
}
BENCHMARK(BM_HalftoneCopy)->Arg(700)->Arg(975)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
