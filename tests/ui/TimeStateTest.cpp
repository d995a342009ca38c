// The time state through the window's fields: the worked example, typed
// values normalised, the conversion errors, and the display without a zone.
#include <QCheckBox>
#include <QComboBox>

#include "WindowFixture.h"
#include "ui/logic/NumberText.h"

namespace {

class TimeState : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
    Draws = Window->DrawRequests();
  }
  void Type(const std::array<const char*, 6>& Texts) {
    TFieldEdit* const fields[6] = {Window->RichEdit_Jahr,   Window->RichEdit_Monat,  Window->RichEdit_Daag,
                                   Window->RichEdit_Stunde, Window->RichEdit_Minute, Window->RichEdit_Sekunde};
    for (int i = 0; i < 6; ++i) fields[i]->setText(QString::fromUtf8(Texts[static_cast<std::size_t>(i)]));
  }
  std::string Local() const {
    std::string t;
    for (const TFieldEdit* f : {Window->RichEdit_Jahr, Window->RichEdit_Monat, Window->RichEdit_Daag,
                                Window->RichEdit_Stunde, Window->RichEdit_Minute, Window->RichEdit_Sekunde})
      t += f->text().toStdString() + " ";
    return t;
  }
  std::string Universal() const {
    std::string t;
    for (const TFieldEdit* f : {Window->RichEdit_Jahr_UT, Window->RichEdit_Monat_UT, Window->RichEdit_Daag_UT,
                                Window->RichEdit_Stunde_UT, Window->RichEdit_Minute_UT, Window->RichEdit_Sekunde_UT})
      t += f->text().toStdString() + " ";
    return t;
  }
  int Draws = 0;
};

TEST_F(TimeState, WorkedExample) {
  Window->ComboBox_TZone->setCurrentIndex(16);
  TZoneOffset = 1;
  DSTOffset = 1;
  eLon = 7.5;
  Type({"2019", "06", "01", "18", "00", "00"});
  Window->Read_DateTimeInput();
  EXPECT_EQ(Local(), "2019 06 01 18 00 00 ");
  EXPECT_EQ(Universal(), "2019 06 01 16 00 00 ");
  EXPECT_EQ(Window->StatusBar1->PanelText(0), "UTC+01      CET; DFT; IST; MET; WAT; WEST");
  EXPECT_EQ(Window->StatusBar1->PanelText(1), "GMST:  08:39:24");
  EXPECT_EQ(Window->StatusBar1->PanelText(2), "LAST:  09:09:24");
  EXPECT_EQ(Window->StatusBar1->PanelText(3), "JD_UT:2458636.1667");
  EXPECT_EQ(Window->DrawRequests(), Draws + 1);
  // Changing only the daylight-saving offset and deriving from JD_UT keeps
  // JD_UT and moves the local time by the hour.
  DSTOffset = 0;
  const double before = JD_UT;
  Window->UpdateTimeState();
  EXPECT_EQ(JD_UT, before);
  EXPECT_EQ(Local(), "2019 06 01 17 00 00 ");
  EXPECT_EQ(Window->DrawRequests(), Draws + 2);
}

TEST_F(TimeState, TypedValuesAreClampedAndNormalised) {
  Window->ComboBox_TZone->setCurrentIndex(15);
  TZoneOffset = 0;
  DSTOffset = 0;
  struct Case {
    std::array<const char*, 6> Typed;
    const char* Shown;
  } const Cases[] = {
      {{"1800", "06", "01", "18", "00", "00"}, "1900 06 01 18 00 00 "},
      {{"3000", "06", "01", "18", "00", "00"}, "2500 06 01 18 00 00 "},
      {{"2019", "13", "01", "18", "00", "00"}, "2020 01 01 18 00 00 "},
      {{"2019", "06", "0", "18", "00", "00"}, "2019 05 31 18 00 00 "},
      {{"2019", "06", "31", "18", "00", "00"}, "2019 07 01 18 00 00 "},
      {{"2019", "06", "01", "24", "00", "00"}, "2019 06 02 00 00 00 "},
      {{"2019", "06", "01", "18.5", "00", "00"}, "2019 06 01 18 30 00 "},
      {{"2019", "06", "01", "18", "59", "60"}, "2019 06 01 19 00 00 "},
  };
  for (const Case& c : Cases) {
    Type(c.Typed);
    Window->Read_DateTimeInput();
    EXPECT_EQ(Local(), c.Shown) << c.Typed[0] << "-" << c.Typed[1] << "-" << c.Typed[2] << " " << c.Typed[3];
  }
  EXPECT_TRUE(ErrorBoxes.empty());
}

TEST_F(TimeState, FieldThatIsNoNumberStopsWithItsConversionError) {
  struct Case {
    std::array<const char*, 6> Typed;
    const char* Message;
  } const Cases[] = {
      {{"20x9", "06", "01", "18", "00", "00"}, "'20x9' is not a valid integer value"},
      {{"2019", "06", "1.5", "18", "00", "00"}, "'1.5' is not a valid integer value"},
      {{"2019", "06", "01", "", "00", "00"}, "'' is not a valid floating point value"},
      {{"2019", "06", "01", "18", "3 0", "00"}, "'3 0' is not a valid floating point value"},
      {{"2019", "06", "01", "18", "00", "1,5"}, "'1,5' is not a valid floating point value"},
      {{"1850", "", "01", "18", "00", "00"}, "'' is not a valid integer value"},
  };
  for (const Case& c : Cases) {
    Type(c.Typed);
    const double before = JD_UT;
    try {
      Window->Read_DateTimeInput();
      ADD_FAILURE() << "no error for " << c.Message;
    } catch (const EConvertError& Error) {
      EXPECT_EQ(std::string(Error.what()), c.Message);
    }
    EXPECT_EQ(JD_UT, before) << "nothing computed";
  }
  EXPECT_EQ(Jahr, 1900) << "the year read before the failing month stays, clamped";
  EXPECT_EQ(Window->DrawRequests(), Draws);
}

// Obvious fault mended: with no line chosen the display takes the first
// zone's status text instead of failing on index -1.
TEST_F(TimeState, DisplayWithoutChosenZone) {
  Window->ComboBox_TZone->setCurrentIndex(-1);
  Window->ShowDateTime();
  EXPECT_EQ(Window->StatusBar1->PanelText(0), TZones[0].StatusText);
  Window->UpdateTimeState();
  EXPECT_EQ(TZoneOffset, -12.0);
  EXPECT_EQ(Window->DrawRequests(), Draws + 1);
}

// The daylight-saving box changed in code runs its handler once per change:
// the local fields stay, universal time moves by the hour, two draws.
TEST_F(TimeState, DaylightSavingBoxRunsItsHandlerOnEveryChange) {
  Window->ComboBox_TZone->setCurrentIndex(16);
  TZoneOffset = 1;
  Type({"2019", "06", "01", "18", "00", "00"});
  Window->CheckBox_DST->setChecked(true);
  EXPECT_EQ(Universal(), "2019 06 01 16 00 00 ");
  EXPECT_EQ(Local(), "2019 06 01 18 00 00 ");
  EXPECT_EQ(Window->DrawRequests(), Draws + 2);
  Window->CheckBox_DST->setChecked(true);
  EXPECT_EQ(Window->DrawRequests(), Draws + 2) << "the same state runs nothing";
  Window->CheckBox_DST->setChecked(false);
  EXPECT_EQ(Universal(), "2019 06 01 17 00 00 ");
  EXPECT_EQ(Window->DrawRequests(), Draws + 4);
}

}  // namespace
