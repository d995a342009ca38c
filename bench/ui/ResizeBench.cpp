// The main window's resize at a client area of 1600 x 1000: the panel layout
// with its event pumps, the drawing surface cleared, the black copy, the
// fields read back and the two draws, each with its halftone copy into the
// visible picture. Also one draw request alone. Offscreen, window hidden.
#include <benchmark/benchmark.h>

#include <QLayout>

#include "BenchWindow.h"

namespace {

// The window made as the program makes it, at 47.5 N 7.5 E, with its client
// area set to 1600 x 1000.
TForm_Main& Window() {
  static std::unique_ptr<TForm_Main> form = [] {
    std::unique_ptr<TForm_Main> made = MakeBenchWindow();
    made->resize(1600, 1000 + made->height() - made->ClientHeight());
    if (QLayout* frame = made->layout()) {
      frame->invalidate();
      frame->activate();
    }
    return made;
  }();
  return *form;
}

void BM_Resize(benchmark::State& State) {
  TForm_Main& form = Window();
  for (auto _ : State) form.FormResize(&form);
  State.counters["client_w"] = form.ClientWidth();
  State.counters["client_h"] = form.ClientHeight();
  State.counters["chart_px"] = BildWidth;
}
BENCHMARK(BM_Resize)->Unit(benchmark::kMillisecond);

void BM_DrawRequest(benchmark::State& State) {
  TForm_Main& form = Window();
  for (auto _ : State) form.Button_ZeichnenClick(&form);
  State.counters["chart_px"] = BildWidth;
}
BENCHMARK(BM_DrawRequest)->Unit(benchmark::kMillisecond);

}  // namespace
