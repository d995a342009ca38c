// Pixel checks on a complete chart drawn onto a 2000 x 2000 bitmap for
// 2000-01-01 12:00 UT at 52.5 N 13.4 E: a bright star's disc where the
// projection puts it, the Sun and the Moon where the body table says, labels
// turned with their azimuth, and a repeated request giving the same picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "ChartLayerFixtures.h"
#include "astro/CoordConv.h"
#include "chart/ChartSurface.h"
#include "chart/DrawRequest.h"
#include "chart/StarLayer.h"
#include "chart/SunLayers.h"
#include "platform/qt/Bitmap.h"

namespace {

constexpr tv::TColor White = 0xFFFFFF;

class FullRender : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    tv::EnsureGuiApplication();
    LoadBuiltInTables();
    Language = 1;
    SetChartMoment(2451545.0, 52.5, 13.4);
    Background = std::make_unique<tv::TBitmap>();
    Background->Assign(
        tv::ReadJpegFile(std::string(TV_SOURCE_DIR) + "/data/run/Himmelshintergrund_radial_2000x2000.jpg"));
    Chart = std::make_unique<tv::TBitmap>(2000, 2000);
    Draw_Chart(Chart->Canvas(), Background->Canvas());
    Table = BodyTable;
  }
  static void TearDownTestSuite() {
    Chart.reset();
    Background.reset();
  }

  static tv::TPoint Project(double Alt, double Azi) {
    std::int32_t X = 0, Y = 0;
    HorToPixel(Alt, Azi, X, Y);
    return {X, Y};
  }
  static tv::TPoint RowPixel(std::int32_t Row) {
    return Project(Table[Row][btAlt] * Deg2Rad, Table[Row][btAzi] * Deg2Rad);
  }
  // Horizontal place of a catalogue point as the layers see it (no refraction).
  static void Place(double RA, double Dec, double& Alt, double& Azi) {
    EquToHor(JD_UT, RA, Dec, eLon * Deg2Rad, nLat * Deg2Rad, Alt, Azi);
  }
  static double Distance(tv::TPoint A, tv::TPoint B) { return std::hypot(A.X - B.X, A.Y - B.Y); }

  static inline std::unique_ptr<tv::TBitmap> Background, Chart;
  static inline decltype(BodyTable) Table{};
};

TEST_F(FullRender, BrightStarDiscAtItsProjectedPlace) {
  // The brightest star well above the horizon with no label, body or other
  // star close enough to touch its disc.
  int Checked = 0;
  for (std::int32_t i = 1; i <= 60 && Checked < 3; ++i) {
    double Alt = 0, Azi = 0;
    Place(Stars[i].RA, Stars[i].DE, Alt, Azi);
    if (Alt < 20 * Deg2Rad) continue;
    RefractAbove(Alt, RefrLimitStarsDeg);
    const tv::TPoint C = Project(Alt, Azi);
    const std::int32_t a = StarDiscRadius(Stars[i].Mag);
    bool Clear = true;
    for (std::int32_t j = 1; j <= 2849 && Clear; ++j) {
      if (j == i) continue;
      double A2 = 0, Z2 = 0;
      Place(Stars[j].RA, Stars[j].DE, A2, Z2);
      if (A2 > -0.06 && Distance(Project(A2, Z2), C) < a + StarDiscRadius(Stars[j].Mag) + 4) Clear = false;
    }
    for (std::int32_t k = 1; k <= 88 && Clear; ++k) {
      double A2 = 0, Z2 = 0;
      Place(ConstLines[k].LabelRA, ConstLines[k].LabelDE, A2, Z2);
      if (A2 > 0 && Distance(Project(A2, Z2), C) < 50) Clear = false;
    }
    for (std::int32_t Row = brSun; Row <= brNeptune && Clear; ++Row)
      if (Distance(RowPixel(Row), C) < 60) Clear = false;
    if (!Clear) continue;

    SCOPED_TRACE("star " + std::to_string(i) + " at (" + std::to_string(C.X) + ", " + std::to_string(C.Y) + ")");
    // The box (C - a, C + a) with its right and bottom edges outside: white
    // from column C.X - a + 1 to C.X + a - 2 along the middle row, and not
    // white two pixels beyond on either side.
    EXPECT_EQ(Chart->Pixel(C.X, C.Y), White);
    EXPECT_EQ(Chart->Pixel(C.X - a + 1, C.Y), White);
    EXPECT_EQ(Chart->Pixel(C.X + a - 2, C.Y), White);
    EXPECT_EQ(Chart->Pixel(C.X, C.Y - a + 1), White);
    EXPECT_EQ(Chart->Pixel(C.X, C.Y + a - 2), White);
    EXPECT_NE(Chart->Pixel(C.X - a - 2, C.Y), White);
    EXPECT_NE(Chart->Pixel(C.X + a + 1, C.Y), White);
    EXPECT_NE(Chart->Pixel(C.X, C.Y - a - 2), White);
    EXPECT_NE(Chart->Pixel(C.X, C.Y + a + 1), White);
    ++Checked;
  }
  EXPECT_EQ(Checked, 3);
}

TEST_F(FullRender, SunAndMoonWhereTheBodyTableSaysTheyAre) {
  // The Sun stands 13.7 degrees high just west of south, the Moon 1.7
  // degrees high in the west-south-west.
  ASSERT_GT(Table[brSun][btAlt], 13.0);
  ASSERT_GT(Table[brMoon][btAlt], 1.0);
  const tv::TPoint Sun = RowPixel(brSun);
  const tv::TPoint Moon = RowPixel(brMoon);
  EXPECT_EQ(Chart->Pixel(Sun.X, Sun.Y), 0x00FFFFu);
  EXPECT_EQ(Chart->Pixel(Sun.X + 15, Sun.Y - 10), 0x00FFFFu);
  EXPECT_EQ(Chart->Pixel(Sun.X - 22, Sun.Y), 0xFFFFFFu);  // the white outline
  EXPECT_EQ(Chart->Pixel(Sun.X + 21, Sun.Y), 0xFFFFFFu);
  EXPECT_NE(Chart->Pixel(Sun.X + 23, Sun.Y), 0x00FFFFu);
  EXPECT_EQ(Chart->Pixel(Moon.X, Moon.Y), 0x808080u);
  EXPECT_EQ(Chart->Pixel(Moon.X - 15, Moon.Y - 10), 0x808080u);
}

// The box around the label-coloured pixels within Reach of a point.
tv::TRect InkBox(const tv::TBitmap& Bitmap, tv::TPoint C, int Reach) {
  tv::TRect Box{C.X, C.Y, C.X, C.Y};
  bool Any = false;
  for (int y = C.Y - Reach; y <= C.Y + Reach; ++y)
    for (int x = C.X - Reach; x <= C.X + Reach; ++x) {
      const tv::TColor P = Bitmap.Pixel(x, y);
      if (std::abs(tv::RedOf(P) - 0x20) > 40 || std::abs(tv::GreenOf(P) - 0xC0) > 40 ||
          std::abs(tv::BlueOf(P) - 0xB0) > 40)
        continue;
      if (!Any) Box = {x, y, x + 1, y + 1};
      Box = {std::min(Box.Left, x), std::min(Box.Top, y), std::max(Box.Right, x + 1), std::max(Box.Bottom, y + 1)};
      Any = true;
    }
  return Any ? Box : tv::TRect{};
}

TEST_F(FullRender, LabelsAreTurnedWithTheAzimuth) {
  // Labels near the meridian read across (wider than high), labels near the
  // east and west points read along the radius (higher than wide).
  int Across = 0, Along = 0;
  for (std::int32_t k = 1; k <= 88; ++k) {
    double Alt = 0, Azi = 0;
    Place(ConstLines[k].LabelRA, ConstLines[k].LabelDE, Alt, Azi);
    if (Alt < 10 * Deg2Rad || Alt > 70 * Deg2Rad) continue;
    const double AziDeg = std::fabs(Azi * Rad2Deg);
    const bool Meridian = AziDeg < 12 || AziDeg > 168;
    const bool Prime = std::fabs(AziDeg - 90) < 12;
    if (!Meridian && !Prime) continue;
    const tv::TPoint C = Project(Alt, Azi);
    bool Alone = true;
    for (std::int32_t j = 1; j <= 88 && Alone; ++j) {
      if (j == k) continue;
      double A2 = 0, Z2 = 0;
      Place(ConstLines[j].LabelRA, ConstLines[j].LabelDE, A2, Z2);
      if (A2 > 0 && Distance(Project(A2, Z2), C) < 90) Alone = false;
    }
    if (!Alone) continue;
    const tv::TRect Ink = InkBox(*Chart, C, 40);
    SCOPED_TRACE(ConstLines[k].Abbr + " at azimuth " + std::to_string(Azi * Rad2Deg));
    ASSERT_FALSE(Ink.IsEmpty());
    // Centred on its point within a few pixels.
    EXPECT_NEAR((Ink.Left + Ink.Right) / 2.0, C.X, 6);
    EXPECT_NEAR((Ink.Top + Ink.Bottom) / 2.0, C.Y, 6);
    if (Meridian) {
      EXPECT_GT(Ink.Width(), Ink.Height() + 8);
      ++Across;
    } else {
      EXPECT_GT(Ink.Height(), Ink.Width() + 8);
      ++Along;
    }
  }
  EXPECT_GE(Across, 1);
  EXPECT_GE(Along, 1);
}

TEST_F(FullRender, RepeatedRequestGivesTheSamePictureAndTable) {
  tv::TBitmap Again(2000, 2000);
  Draw_Chart(Again.Canvas(), Background->Canvas());
  EXPECT_TRUE(Again.Image() == Chart->Image());
  for (std::int32_t Row = 0; Row <= 8; ++Row)
    for (std::int32_t Col = btRA; Col <= btSemiDiam; ++Col) EXPECT_EQ(BodyTable[Row][Col], Table[Row][Col]);
}

}  // namespace
