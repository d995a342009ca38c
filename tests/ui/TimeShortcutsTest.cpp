// The handlers that set the moment in one action: the now, midnight and noon
// buttons, the zone list and the daylight-saving box, with the series boxes
// they leave, their draws and their errors.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "WindowFixture.h"

namespace {

class TimeShortcuts : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
  }
  int Draws() const { return Window->DrawRequests(); }
};

TEST_F(TimeShortcuts, NowTakesTheClockInTheWindowsZoneAndDrawsTwice) {
  SetMoment(16, true, {"2020", "02", "29", "12", "00", "00"});
  CheckQuietly(Window->CheckBox_Jahr);
  const int draws = Draws();
  QTest::mouseClick(Window->Button_Jetzt, Qt::LeftButton);
  EXPECT_EQ(LocalFields(), "2019 06 01 00 30 00") << "the milliseconds dropped";
  EXPECT_EQ(UniversalFields(), "2019 05 31 22 30 00");
  EXPECT_NEAR(JD_UT, 2458635.4375, 5e-9);
  EXPECT_EQ(Draws(), draws + 2);
  EXPECT_FALSE(Window->CheckBox_Jahr->isChecked());
  EXPECT_EQ(Window->ComboBox_TZone->currentIndex(), 16) << "the zone and daylight saving stay";
  EXPECT_TRUE(Window->CheckBox_DST->isChecked());
}

TEST_F(TimeShortcuts, MidnightAndNoonOfTheDateInTheFields) {
  SetMoment(15, false, {"2019", "06", "01", "18", "00", "00"});
  int draws = Draws();
  QTest::mouseClick(Window->Button_Mitternacht, Qt::LeftButton);
  EXPECT_EQ(LocalFields(), "2019 06 01 00 00 00");
  EXPECT_DOUBLE_EQ(JD_UT, 2458635.5);
  EXPECT_EQ(Draws(), draws + 1);

  SetMoment(16, true, {"2019", "06", "01", "18", "00", "00"});
  draws = Draws();
  // Date text typed and not applied is read by the noon button.
  Window->RichEdit_Daag->setText("2");
  QTest::mouseClick(Window->Button_Mittag, Qt::LeftButton);
  EXPECT_EQ(LocalFields(), "2019 06 02 12 00 00");
  EXPECT_EQ(UniversalFields(), "2019 06 02 10 00 00");
  EXPECT_EQ(Draws(), draws + 1);
}

TEST_F(TimeShortcuts, SeriesBoxesLeftByMidnightAndNoon) {
  struct Case {
    const char* Name;
    QCheckBox* TForm_Main::*Checked;
    QPushButton* TForm_Main::*Button;
    bool StaysChecked;
  } const Cases[] = {
      {"noon keeps the month series", &TForm_Main::CheckBox_Monat, &TForm_Main::Button_Mittag, true},
      {"noon keeps the year series", &TForm_Main::CheckBox_Jahr, &TForm_Main::Button_Mittag, true},
      {"noon leaves the quarter series", &TForm_Main::CheckBox_Quartal, &TForm_Main::Button_Mittag, false},
      {"midnight leaves the month series", &TForm_Main::CheckBox_Monat, &TForm_Main::Button_Mitternacht, false},
      {"midnight leaves the year series", &TForm_Main::CheckBox_Jahr, &TForm_Main::Button_Mitternacht, false},
  };
  for (const Case& c : Cases) {
    QCheckBox* box = (*Window).*c.Checked;
    CheckQuietly(box);
    QSignalSpy clicks(box, &QCheckBox::toggled);
    QTest::mouseClick((*Window).*c.Button, Qt::LeftButton);
    EXPECT_EQ(box->isChecked(), c.StaysChecked) << c.Name;
    EXPECT_EQ(clicks.count(), c.StaysChecked ? 0 : 1) << c.Name << ": the box's click handler ran";
    box->setChecked(false);
  }
}

TEST_F(TimeShortcuts, MidnightWithTheHourFieldEmptied) {
  SetMoment(15, false, {"2019", "06", "01", "18", "07", "09"});
  CheckQuietly(Window->CheckBox_Monat);
  const int draws = Draws();
  const double before = JD_UT;
  Window->RichEdit_Stunde->setText("");
  QTest::mouseClick(Window->Button_Mitternacht, Qt::LeftButton);
  EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"'' is not a valid floating point value."});
  EXPECT_EQ(LocalFields(), "2019 06 01  07 09");
  EXPECT_EQ(Draws(), draws);
  EXPECT_EQ(JD_UT, before);
  EXPECT_FALSE(Window->CheckBox_Monat->isChecked());
  // A date field that is no number stops the read after the time fields.
  Window->RichEdit_Stunde->setText("5");
  Window->RichEdit_Monat->setText("Juni");
  QTest::mouseClick(Window->Button_Mittag, Qt::LeftButton);
  EXPECT_EQ(ErrorBoxes.back(), "'Juni' is not a valid integer value.");
  EXPECT_EQ(Window->RichEdit_Stunde->text(), "12");
  EXPECT_EQ(Draws(), draws);
}

TEST_F(TimeShortcuts, ZoneChangeKeepsTheLocalTime) {
  SetMoment(15, false, {"2019", "06", "01", "18", "00", "00"});
  const int nepal = ZoneLine("UTC+05:45");
  ASSERT_GT(nepal, 15);
  CheckQuietly(Window->CheckBox_Quartal);
  const double before = JD_UT;
  const int draws = Draws();
  // The line before by code (no handler), then the user steps to it.
  Window->ComboBox_TZone->setCurrentIndex(nepal - 1);
  EXPECT_EQ(Draws(), draws);
  Window->ComboBox_TZone->setFocus();
  QTest::keyClick(Window->ComboBox_TZone, Qt::Key_Down);
  ASSERT_EQ(Window->ComboBox_TZone->currentIndex(), nepal);
  EXPECT_EQ(LocalFields(), "2019 06 01 18 00 00");
  EXPECT_EQ(UniversalFields(), "2019 06 01 12 15 00");
  EXPECT_NEAR(before - JD_UT, 5.75 / 24, 1e-9);
  EXPECT_EQ(TZoneOffset, 5.75);
  EXPECT_EQ(Draws(), draws + 1);
  EXPECT_FALSE(Window->CheckBox_Quartal->isChecked());
}

TEST_F(TimeShortcuts, DaylightSavingMovesUniversalTimeByTheHour) {
  SetMoment(16, false, {"2019", "06", "01", "18", "00", "00"});
  EXPECT_EQ(UniversalFields(), "2019 06 01 17 00 00");
  int draws = Draws();
  QTest::mouseClick(Window->CheckBox_DST, Qt::LeftButton);
  EXPECT_EQ(DSTOffset, 1.0);
  EXPECT_EQ(LocalFields(), "2019 06 01 18 00 00");
  EXPECT_EQ(UniversalFields(), "2019 06 01 16 00 00");
  EXPECT_EQ(Draws(), draws + 2);
  draws = Draws();
  Window->CheckBox_DST->setChecked(false);  // by code: the handler runs too
  EXPECT_EQ(DSTOffset, 0.0);
  EXPECT_EQ(UniversalFields(), "2019 06 01 17 00 00");
  EXPECT_EQ(Draws(), draws + 2);
}

}  // namespace
