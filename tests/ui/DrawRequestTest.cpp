// The draw request in the window: a request started inside another one's
// event processing, two requests with nothing changed, and a chart panel
// without width, which leaves the visible picture as it was.
#include <QTimer>

#include "WindowFixture.h"
#include "grid/qt/TextGridWidget.h"

namespace {

class DrawRequest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
    SetMoment(16, false, {"2019", "06", "01", "18", "00", "00"});
  }
  std::vector<std::string> Table() const {
    std::vector<std::string> cells;
    const TTextGrid& grid = Window->TextGrid1->Grid();
    for (int r = 0; r < 19; ++r)
      for (int c = 0; c < 4; ++c) cells.push_back(grid.CellTextOrEmpty(c, r));
    return cells;
  }
};

TEST_F(DrawRequest, ANestedRequestRunsToItsEndAndTheOuterOneGoesOnFromItsState) {
  // The reference: the chart and table for the southern place alone.
  nLat = -33.87;
  Window->Button_ZeichnenClick(Window.get());
  const QImage southChart = Window->Img1->Picture.Image().copy();
  const QImage southShown = Window->Bild->Picture.Image().copy();
  const std::vector<std::string> southTable = Table();
  nLat = 47.5;
  Window->Button_ZeichnenClick(Window.get());
  ASSERT_NE(Table(), southTable);

  // A request started from the first layer's event processing of another.
  const int draws = Window->DrawRequests();
  QTimer::singleShot(0, [&] {
    nLat = -33.87;
    Window->Button_ZeichnenClick(Window.get());
  });
  Window->Button_ZeichnenClick(Window.get());
  EXPECT_EQ(Window->DrawRequests(), draws + 2);
  EXPECT_EQ(Table(), southTable) << "the table of the state at the end";
  EXPECT_TRUE(Window->Img1->Picture.Image() == southChart);
  EXPECT_TRUE(Window->Bild->Picture.Image() == southShown);
}

TEST_F(DrawRequest, TwoRequestsWithNothingChangedGiveTheSamePicture) {
  Window->Button_ZeichnenClick(Window.get());
  const QImage first = Window->Bild->Picture.Image().copy();
  const std::vector<std::string> table = Table();
  Window->Button_Zeichnen->click();  // the hidden button's click from code
  EXPECT_TRUE(Window->Bild->Picture.Image() == first);
  EXPECT_EQ(Table(), table);
}

// Left open by the design, chosen here: a chart panel without width leaves
// the visible picture as it was, while the drawing surface and the table
// show the new state.
TEST_F(DrawRequest, NoWidthLeavesTheVisiblePictureAsItWas) {
  Window->Button_ZeichnenClick(Window.get());
  const QImage shown = Window->Bild->Picture.Image().copy();
  const QImage chart = Window->Img1->Picture.Image().copy();
  const std::vector<std::string> table = Table();
  for (const int gap : {0, -25}) {
    Window->Panel_Rght->move(Window->Panel_Left->width() + gap, Window->Panel_Rght->y());
    nLat = gap == 0 ? -20.0 : 20.0;
    Window->Button_ZeichnenClick(Window.get());
    EXPECT_EQ(BildWidth, gap);
    EXPECT_EQ(BildHeight, gap);
    EXPECT_TRUE(Window->Bild->Picture.Image() == shown) << "size and pixels kept";
    EXPECT_FALSE(Window->Img1->Picture.Image() == chart) << "the surface drawn for the new place";
    EXPECT_NE(Table(), table);
  }
  EXPECT_TRUE(ErrorBoxes.empty());
}

}  // namespace
