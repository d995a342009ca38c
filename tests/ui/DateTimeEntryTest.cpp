// Enter in the six local date and time fields: the field's number clamped
// and applied over the stored moment, carried over by the calendar, shown
// normalised and drawn once; rejected texts and other keys change nothing
// but the series boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "WindowFixture.h"

namespace {

class DateTimeEntry : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
    // 2019-06-01 18:00:00 at UTC+01 with daylight saving.
    SetMoment(16, true, {"2019", "06", "01", "18", "00", "00"});
  }
  TFieldEdit* Field(int Index) const {
    TFieldEdit* const fields[6] = {Window->RichEdit_Jahr,   Window->RichEdit_Monat,  Window->RichEdit_Daag,
                                   Window->RichEdit_Stunde, Window->RichEdit_Minute, Window->RichEdit_Sekunde};
    return fields[Index];
  }
  // Types Text into field Index and presses Enter there.
  void Enter(int Index, const char* Text) {
    Field(Index)->setText(QString::fromUtf8(Text));
    QTest::keyClick(Field(Index), Qt::Key_Return);
  }
};

enum { Year, Month, Day, Hour, Minute, Second };

TEST_F(DateTimeEntry, MonthZeroIsDecemberBefore) {
  const int draws = Window->DrawRequests();
  Enter(Month, "0");
  EXPECT_EQ(LocalFields(), "2018 12 01 18 00 00");
  EXPECT_EQ(UniversalFields(), "2018 12 01 16 00 00");
  EXPECT_NEAR(JD_UT, 2458454.1666667, 1e-7);
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
}

TEST_F(DateTimeEntry, ClampsAndCarriesOver) {
  struct Step {
    int Field;
    const char* Typed;
  };
  struct Case {
    const char* Name;
    std::vector<Step> Steps;
    const char* Local;
  } const Cases[] = {
      {"day 0", {{Day, "0"}}, "2019 05 31 18 00 00"},
      {"day 31 of June", {{Day, "31"}}, "2019 07 01 18 00 00"},
      {"day 32 clamped to 31", {{Day, "32"}}, "2019 07 01 18 00 00"},
      {"31 February", {{Month, "2"}, {Day, "31"}}, "2019 03 03 18 00 00"},
      {"31 February of a leap year", {{Year, "2020"}, {Month, "2"}, {Day, "31"}}, "2020 03 02 18 00 00"},
      {"day 0 of January", {{Month, "1"}, {Day, "0"}}, "2018 12 31 18 00 00"},
      {"month 13 clamped to 12", {{Month, "13"}}, "2019 12 01 18 00 00"},
      {"month -3 clamped to 0", {{Month, "-3"}}, "2018 12 01 18 00 00"},
      {"year 1899 clamped", {{Year, "1899"}}, "1900 06 01 18 00 00"},
      {"year 2300 clamped to 2200", {{Year, "2300"}}, "2200 06 01 18 00 00"},
      {"largest integer", {{Year, "2147483647"}}, "2200 06 01 18 00 00"},
      {"negative year", {{Year, "-5"}}, "1900 06 01 18 00 00"},
      {"month 0 of 1900", {{Year, "1900"}, {Month, "0"}}, "1899 12 01 18 00 00"},
      {"hour 24 clamped", {{Hour, "24"}}, "2019 06 01 23 00 00"},
      {"minute 60 clamped", {{Minute, "60"}}, "2019 06 01 18 59 00"},
      {"second -1 clamped", {{Second, "-1"}}, "2019 06 01 18 00 00"},
      {"leading blank", {{Month, " 7"}}, "2019 07 01 18 00 00"},
      {"plus sign", {{Month, "+7"}}, "2019 07 01 18 00 00"},
      {"leading zeros", {{Month, "007"}}, "2019 07 01 18 00 00"},
      {"dollar hexadecimal", {{Month, "$C"}}, "2019 12 01 18 00 00"},
      {"0x hexadecimal", {{Month, "0xC"}}, "2019 12 01 18 00 00"},
      {"0x0C", {{Month, "0x0C"}}, "2019 12 01 18 00 00"},
  };
  for (const Case& c : Cases) {
    SetMoment(16, true, {"2019", "06", "01", "18", "00", "00"});
    for (const Step& s : c.Steps) Enter(s.Field, s.Typed);
    EXPECT_EQ(LocalFields(), c.Local) << c.Name;
  }
}

TEST_F(DateTimeEntry, RejectedTextsAndOtherKeys) {
  for (const char* typed : {"", "abc", "12abc", "7 ", "1.5", "1,5", "-", "99999999999"}) {
    CheckQuietly(Window->CheckBox_Monat);
    const int draws = Window->DrawRequests();
    const double before = JD_UT;
    Enter(Month, typed);
    EXPECT_EQ(Field(Month)->text().toStdString(), typed) << "the text stays";
    EXPECT_FALSE(Window->CheckBox_Monat->isChecked()) << typed;
    EXPECT_EQ(JD_UT, before) << typed;
    EXPECT_EQ(Window->DrawRequests(), draws) << typed;
    EXPECT_EQ(Field(Day)->text(), "01");
  }
  EXPECT_TRUE(ErrorBoxes.empty());
  // Any other key is the field's own editing: not even the series boxes.
  CheckQuietly(Window->CheckBox_Monat);
  const int draws = Window->DrawRequests();
  Field(Month)->setText("0");
  QTest::keyClick(Field(Month), Qt::Key_5);
  QTest::keyClick(Field(Month), Qt::Key_Tab);
  EXPECT_EQ(Field(Month)->text(), "05");
  EXPECT_TRUE(Window->CheckBox_Monat->isChecked());
  EXPECT_EQ(Window->DrawRequests(), draws);
  // Enter on the keypad and with modifiers held applies as well.
  QTest::keyClick(Field(Month), Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
  EXPECT_EQ(LocalFields(), "2019 05 01 18 00 00");
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
}

TEST_F(DateTimeEntry, OnlyTheFieldEnteredIsApplied) {
  // Enter with the text unchanged still recomputes and draws.
  int draws = Window->DrawRequests();
  QTest::keyClick(Field(Month), Qt::Key_Return);
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
  // The year typed without Enter is replaced by the stored one.
  Field(Year)->setText("2030");
  Enter(Month, "3");
  EXPECT_EQ(LocalFields(), "2019 03 01 18 00 00");
  // A stored fraction of a second stays through Enter in another field and
  // goes with Enter in the second field.
  Sekunde = 4.09;
  Enter(Minute, "05");
  EXPECT_NEAR(Sekunde, 4.09, 1e-6);
  EXPECT_EQ(Field(Second)->text(), "04");
  Enter(Second, "04");
  EXPECT_EQ(Sekunde, 4.0);
  // A series on: Enter leaves it (its click handler runs once), then applies.
  CheckQuietly(Window->CheckBox_Jahr);
  QSignalSpy clicks(Window->CheckBox_Jahr, &QCheckBox::toggled);
  draws = Window->DrawRequests();
  Enter(Day, "2");
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(LocalFields(), "2019 03 02 18 05 04");
  EXPECT_EQ(Window->DrawRequests(), draws + 1);
}

}  // namespace
