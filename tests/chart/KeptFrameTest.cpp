// The altitude circles and the horizon mask are fixed paintings: the drawing
// bitmap keeps their pixels from the first draw, or from their taking ahead
// on the new bitmap. Whole charts for several moments, places and languages,
// drawn again and again on one bitmap, must match charts whose layers are all
// run, pixel for pixel and setting for setting after every layer.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ChartLayerFixtures.h"
#include "chart/ChartFrame.h"
#include "chart/DrawRequest.h"
#include "platform/qt/Bitmap.h"

namespace {

std::string Describe(const tv::TCanvas& C) {
  return "pen " + std::to_string(C.Pen.Color) + "/" + std::to_string(C.Pen.Width) + "/" +
         std::to_string(static_cast<int>(C.Pen.Style)) + " brush " + std::to_string(C.Brush.Color) + "/" +
         std::to_string(static_cast<int>(C.Brush.Style)) + " font " + C.Font.Name + "/" +
         std::to_string(C.Font.Height) + "/" + std::to_string(C.Font.Color) + "/" + std::to_string(C.Font.Bold) +
         "/" + std::to_string(C.Font.Escapement) + " at " + std::to_string(C.PenPos().X) + "," +
         std::to_string(C.PenPos().Y);
}

TEST(KeptFrameLayers, ChartsMatchChartsWithEveryLayerRun) {
  tv::EnsureGuiApplication();
  LoadBuiltInTables();
  tv::TBitmap background;
  background.Assign(
      tv::ReadJpegFile(std::string(TV_SOURCE_DIR) + "/data/run/Himmelshintergrund_radial_2000x2000.jpg"));
  tv::TBitmap kept(2000, 2000), prepared(2000, 2000), run(2000, 2000);
  run.Canvas().KeepFixedPaintings = false;
  Prepare_FrameLayers(prepared.Canvas());
  ASSERT_TRUE(prepared.Image() == run.Image()) << "left black";

  struct Row {
    const char* Name;
    double JD, Lat, Lon;
    std::int32_t Language;
  };
  const Row rows[] = {
      {"2000-01-01 12:00 UT, 52.5 N 13.4 E", 2451545.0, 52.5, 13.4, 1},
      {"2023-02-24 19:12 UT, 33.9 S 151.2 E", 2460000.3, -33.9, 151.2, 0},
      {"2009-06-18 06:00 UT, 78.2 N 15.6 E", 2455000.75, 78.2, 15.6, 1},
      {"2000-01-01 18:00 UT, on the equator at 70 W", 2451545.25, 0.0, -70.0, 0},
      {"again the first", 2451545.0, 52.5, 13.4, 1},
  };
  const TDrawHooks hooks;
  for (const Row& r : rows) {
    SetChartMoment(r.JD, r.Lat, r.Lon);
    Language = r.Language;
    for (const TChartLayer& layer : ChartLayers()) {
      SCOPED_TRACE(std::string(r.Name) + ", after " + std::string(layer.Name));
      layer.Run(kept.Canvas(), background.Canvas(), hooks);
      layer.Run(prepared.Canvas(), background.Canvas(), hooks);
      layer.Run(run.Canvas(), background.Canvas(), hooks);
      ASSERT_EQ(Describe(kept.Canvas()), Describe(run.Canvas()));
      ASSERT_EQ(Describe(prepared.Canvas()), Describe(run.Canvas()));
      ASSERT_TRUE(kept.Image() == run.Image());
      ASSERT_TRUE(prepared.Image() == run.Image());
    }
  }
  Language = 1;
  SetChartMoment(2451545.0, 52.5, 13.4);
}

}  // namespace
