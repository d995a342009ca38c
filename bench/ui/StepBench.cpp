// One step of a held step button at a client area of 1600 x 1000, the window
// shown (offscreen): the moment stepped by a minute, the time display with its
// event processing, the draw request (chart, body table fill with its cell
// repaints, halftone copy into the visible picture) and the event processing
// that ends the pass, where the chart and the table are painted. Also one
// step of a place button (draw only).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QThread>

#include "BenchWindow.h"

namespace {

// Lets the window system's events run for about Ms milliseconds.
void Settle(int Ms) {
  for (int i = 0; i < Ms / 5; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QThread::msleep(5);
  }
}

TForm_Main& ShownWindow() {
  static std::unique_ptr<TForm_Main> form = [] {
    std::unique_ptr<TForm_Main> made = MakeBenchWindow();
    made->show();
    const int menu = made->height() - made->ClientHeight();
    made->resize(1600, 1000 + menu);
    for (int i = 0; i < 200 && (made->ClientWidth() != 1600 || made->ClientHeight() != 1000); ++i) Settle(10);
    Settle(50);
    return made;
  }();
  return *form;
}

void BM_HeldStep(benchmark::State& State) {
  TForm_Main& form = ShownWindow();
  const TForm_Main::TMomentStep minute{.Minutes = 1.0};
  for (auto _ : State) {
    form.StepMoment(minute);
    TForm_Main::ProcessMessages();
  }
  State.counters["chart_px"] = BildWidth;
  State.counters["client_w"] = form.ClientWidth();
  State.counters["client_h"] = form.ClientHeight();
  State.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeldStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlaceStep(benchmark::State& State) {
  TForm_Main& form = ShownWindow();
  double step = 0.5;
  for (auto _ : State) {
    nLat += step;
    if (nLat > 80 || nLat < -80) step = -step;
    form.Button_ZeichnenClick(&form);
  }
  nLat = DefaultLat;
}
BENCHMARK(BM_PlaceStep)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
