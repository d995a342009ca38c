// The place: Enter in the latitude and longitude fields (a point as decimal
// mark in every locale, the bounds, the rejected texts and the overflow) and
// the half-degree step buttons with their bounds, their one draw per pass and
// the local sidereal time they leave alone.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>

#include "WindowFixture.h"
#include "grid/qt/TextGridWidget.h"

namespace {

class PlaceInput : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
    SetMoment(16, false, {"2019", "06", "01", "18", "00", "00"});
  }
  void Enter(TFieldEdit* Field, const char* Text) {
    Field->setText(QString::fromUtf8(Text));
    QTest::keyClick(Field, Qt::Key_Return);
  }
  static void Click(TBitBtn* Button) {
    QCoreApplication::postEvent(Button, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTest::mousePress(Button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }
};

TEST_F(PlaceInput, EnterStoresClampsShowsAndDrawsTwice) {
  struct Case {
    const char* Name;
    bool Latitude;
    const char* Typed;
    double Stored;
    const char* Shown;
  } const Cases[] = {
      {"latitude", true, "47.5", 47.5, "47.50"},
      {"above the north pole", true, "100", 90.0, "90.00"},
      {"the pole itself", true, "90", 90.0, "90.00"},
      {"west of the date line", false, "-200", -180.0, "-180.00"},
      {"leading spaces", true, "   -33.8688", -33.8688, "-33.87"},
      {"exponent", false, "+4.75e1", 47.5, "47.50"},
      {"half away from zero", true, "47.125", 47.125, "47.13"},
      {"rounds to zero without a sign", false, "-0.001", -0.001, "0.00"},
      {"a lone point", false, ".", 0.0, "0.00"},
  };
  for (const Case& c : Cases) {
    TFieldEdit* field = c.Latitude ? Window->Edit_nLat : Window->Edit_eLon;
    CheckQuietly(Window->CheckBox_Monat);
    const int draws = Window->DrawRequests();
    Enter(field, c.Typed);
    EXPECT_EQ(c.Latitude ? nLat : eLon, c.Stored) << c.Name;
    EXPECT_EQ(field->text().toStdString(), c.Shown) << c.Name;
    EXPECT_EQ(Window->DrawRequests(), draws + 2) << c.Name;
    EXPECT_FALSE(Window->CheckBox_Monat->isChecked()) << c.Name;
  }
  EXPECT_TRUE(ErrorBoxes.empty());
}

TEST_F(PlaceInput, RejectedTextsOtherKeysAndTheOverflow) {
  Enter(Window->Edit_nLat, "47.5");
  for (const char* typed : {"47,5", "47.5 ", "", "-", "1e", "abc", "nan"}) {
    CheckQuietly(Window->CheckBox_Jahr);
    const int draws = Window->DrawRequests();
    Enter(Window->Edit_nLat, typed);
    EXPECT_EQ(nLat, 47.5) << typed;
    EXPECT_EQ(Window->Edit_nLat->text().toStdString(), typed) << "the text stays";
    EXPECT_EQ(Window->DrawRequests(), draws) << typed;
    EXPECT_FALSE(Window->CheckBox_Jahr->isChecked()) << typed;
  }
  EXPECT_TRUE(ErrorBoxes.empty()) << "no message";
  // Another key is the field's own editing.
  CheckQuietly(Window->CheckBox_Jahr);
  Window->Edit_nLat->setText("4");
  QTest::keyClick(Window->Edit_nLat, Qt::Key_8);
  EXPECT_EQ(Window->Edit_nLat->text(), "48");
  EXPECT_EQ(nLat, 47.5);
  EXPECT_TRUE(Window->CheckBox_Jahr->isChecked());
  // A number beyond a double: the framework's error, nothing stored.
  const int draws = Window->DrawRequests();
  Enter(Window->Edit_eLon, "1e999");
  EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"Floating point overflow."});
  EXPECT_EQ(Window->Edit_eLon->text(), "1e999");
  EXPECT_EQ(Window->DrawRequests(), draws);
  EXPECT_FALSE(Window->CheckBox_Jahr->isChecked());
}

TEST_F(PlaceInput, AFailingTimeReadStopsAfterThePlaceIsShown) {
  Window->RichEdit_Daag->setText("x");
  const int draws = Window->DrawRequests();
  Enter(Window->Edit_eLon, "10");
  EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"'x' is not a valid integer value."});
  EXPECT_EQ(eLon, 10.0);
  EXPECT_EQ(Window->Edit_eLon->text(), "10.00");
  EXPECT_EQ(Window->DrawRequests(), draws);
}

// Obvious fault mended: in a comma locale a place field written back by the
// program reads back with Enter; the table keeps the locale's mark.
TEST_F(PlaceInput, FieldsWrittenBackApplyAgainInACommaLocale) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Enter(Window->Edit_nLat, "47.5");
  Click(Window->BitBtn_nLat_PlusSmall);
  EXPECT_EQ(Window->Edit_nLat->text(), "48.00");
  const int draws = Window->DrawRequests();
  QTest::keyClick(Window->Edit_nLat, Qt::Key_Return);
  EXPECT_EQ(nLat, 48.0);
  EXPECT_EQ(Window->DrawRequests(), draws + 2);
  EXPECT_NE(Window->TextGrid1->Grid().CellTextOrEmpty(2, 1).find(','), std::string::npos);
}

TEST_F(PlaceInput, StepButtonsHalfADegreeWithinTheBounds) {
  Enter(Window->Edit_nLat, "47.5");
  CheckQuietly(Window->CheckBox_Monat);
  int draws = Window->DrawRequests();
  QElapsedTimer clock;
  clock.start();
  Click(Window->BitBtn_nLat_MinusSmall);
  EXPECT_GE(clock.elapsed(), 250) << "the first draw after the pause";
  EXPECT_EQ(nLat, 47.0);
  EXPECT_EQ(Window->Edit_nLat->text(), "47.00");
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
  EXPECT_FALSE(Window->CheckBox_Monat->isChecked());
  // The stored value keeps its digits: -33.8688 steps to -34.3688.
  Enter(Window->Edit_nLat, "-33.8688");
  Click(Window->BitBtn_nLat_MinusSmall);
  EXPECT_DOUBLE_EQ(nLat, -34.3688);
  EXPECT_EQ(Window->Edit_nLat->text(), "-34.37");

  struct Case {
    const char* Name;
    TBitBtn* TForm_Main::*Button;
    double From, To;
  } const Cases[] = {
      {"north pole", &TForm_Main::BitBtn_nLat_PlusSmall, 89.8, 90.0},
      {"south pole", &TForm_Main::BitBtn_nLat_MinusSmall, -89.9, -90.0},
      {"east end", &TForm_Main::BitBtn_eLon_PlusSmall, 179.75, 180.0},
      {"west end, no wrap", &TForm_Main::BitBtn_eLon_MinusSmall, -179.6, -180.0},
  };
  for (const Case& c : Cases) {
    const bool latitude = c.Button == &TForm_Main::BitBtn_nLat_PlusSmall ||
                          c.Button == &TForm_Main::BitBtn_nLat_MinusSmall;
    double& coordinate = latitude ? nLat : eLon;
    coordinate = c.From;
    Click((*Window).*c.Button);
    EXPECT_EQ(coordinate, c.To) << c.Name;
    draws = Window->DrawRequests();
    Click((*Window).*c.Button);
    EXPECT_EQ(coordinate, c.To) << c.Name << ": stays at the bound";
    EXPECT_EQ(Window->DrawRequests(), draws + 1) << c.Name << ": and draws again";
  }
}

TEST_F(PlaceInput, StepsLeaveTheLocalSiderealTimeEnterUpdatesIt) {
  Enter(Window->Edit_eLon, "7.5");
  const std::string last = Window->StatusBar1->PanelText(2);
  const double lastHours = LAST;
  Click(Window->BitBtn_eLon_PlusSmall);
  Click(Window->BitBtn_eLon_PlusSmall);
  EXPECT_EQ(eLon, 8.5);
  EXPECT_EQ(LAST, lastHours);
  EXPECT_EQ(Window->StatusBar1->PanelText(2), last);
  QTest::keyClick(Window->Edit_eLon, Qt::Key_Return);
  EXPECT_NEAR(LAST - lastHours, 1.0 / 15, 1e-9);
  EXPECT_NE(Window->StatusBar1->PanelText(2), last);
}

TEST_F(PlaceInput, UnboundHandlers) {
  // The scroll handler no control names processes the events only while a
  // thumb is dragged; the other two draw, and pump for a far release.
  int position = 0;
  Window->ScrollBar_eLonScroll(Window.get(), 5, position);
  Window->ScrollBar_eLonScroll(Window.get(), 4, position);
  const int draws = Window->DrawRequests();
  Window->CheckBox_SonneClick(Window.get());
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
  Window->Image1MouseUp(Window.get(), Qt::LeftButton, {}, 1999, 1999);
  Window->Image1MouseUp(Window.get(), Qt::LeftButton, {}, 1000, 1000);
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
}

}  // namespace
