// The whole chart draw (every layer, body table filled, no window) on the
// 2000 x 2000 bitmap, and each step of the draw request on its own.
//   chart_bench --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "chart/ChartMoment.h"
#include "chart/DrawRequest.h"
#include "data/Catalogue.h"
#include "data/SharedState.h"
#include "data/Tables.h"
#include "platform/qt/Bitmap.h"

namespace {

// The built-in tables, the background picture and the drawing bitmap,
// prepared once: 2000-01-01 12:00 UT at 52.5 N 13.4 E, one full draw done.
struct TDrawSetup {
  TDrawSetup() {
    tv::EnsureGuiApplication();
    Init_Stars();
    Init_ConstLines();
    Calc_ConstLabels();
    Init_Texts();
    Language = 1;
    SetChartMoment(2451545.0, 52.5, 13.4);
    Background.Assign(
        tv::ReadJpegFile(std::string(TV_SOURCE_DIR) + "/data/run/Himmelshintergrund_radial_2000x2000.jpg"));
    Draw_Chart(Chart.Canvas(), Background.Canvas());
  }
  tv::TBitmap Background;
  tv::TBitmap Chart{2000, 2000};
};

TDrawSetup& Setup() {
  static TDrawSetup S;
  return S;
}

void BM_DrawChart(benchmark::State& State) {
  TDrawSetup& S = Setup();
  for (auto _ : State) {
    Draw_Chart(S.Chart.Canvas(), S.Background.Canvas());
    benchmark::DoNotOptimize(BodyTable[0][0]);
  }
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMillisecond);

// A canvas that paints nothing: the draw's own computing cost without the
// pixels.
class TNullCanvas : public tv::TCanvas {
 public:
  using TCanvas::Ellipse;
  using TCanvas::Rectangle;
  void LineTo(std::int32_t X, std::int32_t Y) override { PenPos_ = {X, Y}; }
  void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void Rectangle(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void FillRect(const tv::TRect&) override {}
  void TextOut(std::int32_t, std::int32_t, std::string_view) override {}
  void TextRect(const tv::TRect&, std::int32_t, std::int32_t, std::string_view) override {}
  std::int32_t TextWidth(std::string_view Text) override { return 10 * static_cast<std::int32_t>(Text.size()); }
  std::int32_t TextHeight(std::string_view) override { return 24; }
  void CopyRect(const tv::TRect&, tv::TCanvas&, const tv::TRect&) override {}
  void SelectClipRegion(const tv::TRegion&) override {}
  void RemoveClipRegion() override {}
  bool GetClipRegion(tv::TRegion&) const override { return false; }
};

void BM_DrawChartComputeOnly(benchmark::State& State) {
  Setup();
  TNullCanvas Image, Background;
  for (auto _ : State) {
    Draw_Chart(Image, Background);
    benchmark::DoNotOptimize(BodyTable[0][0]);
  }
}
BENCHMARK(BM_DrawChartComputeOnly)->Unit(benchmark::kMillisecond);

// One step of the draw request, in the state a full draw leaves.
void BM_Layer(benchmark::State& State, const TChartLayer* Layer) {
  TDrawSetup& S = Setup();
  const TDrawHooks Hooks;
  for (auto _ : State) Layer->Run(S.Chart.Canvas(), S.Background.Canvas(), Hooks);
}

const bool Registered = [] {
  for (const TChartLayer& Layer : ChartLayers())
    benchmark::RegisterBenchmark(("BM_Layer/" + std::string(Layer.Name)).c_str(), BM_Layer, &Layer)
        ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
