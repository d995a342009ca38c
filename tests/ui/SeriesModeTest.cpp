// The series mode through the real window: the mode boxes, period and event
// buttons clicked, the switching between modes, the day scroll bar walking the
// chart through the days, the latitude limit, the list in a comma locale and
// the list's placement over the chart.
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

#include "WindowFixture.h"
#include "astro/Astronom.h"
#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"
#include "astro/astrolib.h"
#include "ui/logic/TwilightSearch.h"

namespace {

const QColor Green(0, 128, 0), Blue(0, 0, 255), Red(255, 0, 0), White(255, 255, 255), Black(0, 0, 0),
    Grey(128, 128, 128);

class twilightSeriesMode : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    EventJD.fill(0);  // as the program starts
    CopyBackground();
  }
  // The window in English at 47.5 N 7.5 E in UTC+01, shown; the clock's
  // moment (2019-05-31 23:30 UT) makes 2019 the series' year.
  void Start() {
    StoreSettings(1, 16, false, 47.5, 7.5);
    Create();
    ShowWithClientSize(1272, 968);
    ASSERT_EQ(Jahr_UT, 2019);
  }

  static void Click(QAbstractButton* Button) {
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(8, Button->height() / 2));
  }

  QStringList MemoLines() const {
    const QString text = Window->Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
  }

  // The list lines of a series computed apart from the window.
  static QStringList ExpectedLines(const char* Event, TSeriesPeriod Period, std::int32_t Index, std::int32_t Year,
                                   const char* Mark = ".") {
    const TTwilightEvent* event = FindTwilightEvent(Event);
    TTwilightRequest request;
    request.EventAlt = EventAltitude(*event);
    request.FirstStep = event->FirstStep;
    request.Period = Period;
    request.PeriodIndex = Index;
    request.Year = Year;
    request.nLat = 47.5;
    request.eLon = 7.5;
    request.DecimalMark = Mark;
    QStringList lines;
    for (const TTwilightDay& day : FindTwilightSeries(request).Days) lines.append(QString::fromStdString(day.Line));
    return lines;
  }

  static QColor Background(const QWidget* W) { return W->palette().color(QPalette::Window); }
  static QColor TextColor(const QWidget* W) { return W->palette().color(QPalette::WindowText); }

  // The state "off": no box checked, nothing listed, labels grey, the boxes
  // with button-face ground and black captions, panel 4 empty, position 0.
  void ExpectOff() const {
    TForm_Main& f = *Window;
    for (QCheckBox* box : {f.CheckBox_Monat, f.CheckBox_Quartal, f.CheckBox_Jahr}) {
      EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
      EXPECT_NE(Background(box), Blue);
      EXPECT_NE(Background(box), Green);
      EXPECT_NE(Background(box), Red);
    }
    EXPECT_EQ(f.Memo1->toPlainText(), "");
    EXPECT_EQ(f.StatusBar1->PanelText(4), "");
    EXPECT_EQ(TextColor(f.Label_Line1), Grey);
    EXPECT_EQ(TextColor(f.Label_Line2), Grey);
    EXPECT_EQ(f.ScrollBar_Quartal->value(), 0);
  }

  // The state "on" for Box: only it checked, in Color with a white caption,
  // labels black, panel 4 the period, the list and EventJD holding the series
  // once, the scroll bar's range its days, the time at the first day with
  // Sidereal (GMST as the handler left it) rebuilt for it.
  void ExpectOn(QCheckBox* Box, const QColor& Color, const char* Panel, const QStringList& Lines,
                double Sidereal) const {
    TForm_Main& f = *Window;
    for (QCheckBox* box : {f.CheckBox_Monat, f.CheckBox_Quartal, f.CheckBox_Jahr}) {
      EXPECT_EQ(box->isChecked(), box == Box) << box->objectName().toStdString();
      if (box != Box) {
        EXPECT_EQ(Background(box), QColor(ToQColor(tv::clBtnFace))) << box->objectName().toStdString();
      }
    }
    EXPECT_EQ(Background(Box), Color);
    EXPECT_EQ(TextColor(Box), White);
    EXPECT_EQ(TextColor(f.Label_Line1), Black);
    EXPECT_EQ(TextColor(f.Label_Line2), Black);
    EXPECT_EQ(f.StatusBar1->PanelText(4), Panel);
    EXPECT_EQ(MemoLines(), Lines);
    EXPECT_EQ(f.ScrollBar_Quartal->maximum(), Lines.size() - 1);
    EXPECT_EQ(f.ScrollBar_Quartal->value(), 0);
    EXPECT_EQ(JD_UT, EventJD[0]);
    for (qsizetype i = 0; i < Lines.size(); ++i) {
      const std::string jd = FormatFixedJD(EventJD[i]);
      EXPECT_TRUE(Lines[i].mid(5).startsWith(QString::fromStdString(jd))) << i;
    }
    // The time state was rebuilt for JD_UT after the search.
    EXPECT_EQ(Sidereal, PosMod(GMST_Rad(JD_UT) * Rad2Hour, 24));
  }
  static std::string FormatFixedJD(double JD) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", JD);
    return text;
  }
};

TEST_F(twilightSeriesMode, StartsOffWithTheLabelsOfTheSelectedEvent) {
  Start();
  TForm_Main& f = *Window;
  ExpectOff();
  EXPECT_EQ(Caption(f.Label_Line1), "Evening sky:");
  EXPECT_EQ(Caption(f.Label_Line2), "Civil twilight");
  EXPECT_EQ(f.ScrollBar_Quartal->maximum(), 91);
  EXPECT_FALSE(f.Memo1->isVisible());
  EXPECT_EQ(PeriodIndex, 1);
  EXPECT_TRUE(ErrorBoxes.empty());
}

// The worked case: the third quarter, evening nautical twilight.
TEST_F(twilightSeriesMode, ThirdQuarterOfEveningNauticalTwilight) {
  Start();
  TForm_Main& f = *Window;
  Click(f.RadioButton_Q3);
  Click(f.RadioButton_ANautD);
  ExpectOff();
  const int draws = f.DrawRequests();
  Click(f.CheckBox_Quartal);
  const double sidereal = GMST;
  const QStringList lines = ExpectedLines("ANautD", TSeriesPeriod::Quarter, 3, 2019);
  ASSERT_EQ(lines.size(), 92);
  ExpectOn(f.CheckBox_Quartal, Green, "3", lines, sidereal);
  EXPECT_EQ(f.DrawRequests(), draws + 1);
  EXPECT_EQ(Caption(f.Label_Line1), "Evening sky:");
  EXPECT_EQ(Caption(f.Label_Line2), "Nautic. twilight");
  EXPECT_TRUE(lines[0].contains("  2019-07-01 ")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].endsWith(" -12.00")) << lines[0].toStdString();
  EXPECT_TRUE(lines[91].startsWith(" 92  ")) << lines[91].toStdString();
  EXPECT_EQ(EventAlt, -12.0 * Deg2Rad);
  // The date fields show the event of 1 July in UT and local time.
  EXPECT_EQ(f.RichEdit_Monat_UT->text(), "07");
  EXPECT_EQ(f.RichEdit_Daag_UT->text(), "01");
  EXPECT_EQ(f.RichEdit_Stunde_UT->text(), "21");  // near 21:06 UT
  EXPECT_EQ(f.RichEdit_Stunde->text(), "22");     // in UTC+01
  EXPECT_TRUE(ErrorBoxes.empty());
}

// The transitions between the modes, one click (or language switch) per row,
// each from the state the row before left.
TEST_F(twilightSeriesMode, SwitchingBetweenModes) {
  Start();
  TForm_Main& f = *Window;
  using P = TSeriesPeriod;
  struct Row {
    const char* Name;
    std::function<void()> Action;
    QCheckBox* On;  // null: off
    QColor Color;
    const char* Event;
    P Period;
    std::int32_t Index;
    int Draws;  // draw requests the row runs
    const char* Line1;
    const char* Line2;
  } const Rows[] = {
      {"quarter on", [&] { Click(f.CheckBox_Quartal); }, f.CheckBox_Quartal, Green, "ABurgD", P::Quarter, 1, 1,
       "Evening sky:", "Civil twilight"},
      {"month checked while the quarter is on", [&] { Click(f.CheckBox_Monat); }, f.CheckBox_Monat, Blue, "ABurgD",
       P::Month, 1, 1, "Evening sky:", "Civil twilight"},
      {"another month", [&] { Click(f.RadioButton_M05); }, f.CheckBox_Monat, Blue, "ABurgD", P::Month, 5, 1,
       "Evening sky:", "Civil twilight"},
      {"a quarter button ends the month mode", [&] { Click(f.RadioButton_Q2); }, nullptr, {}, "", P::Quarter, 2, 0,
       "Evening sky:", "Civil twilight"},
      {"year on", [&] { Click(f.CheckBox_Jahr); }, f.CheckBox_Jahr, Red, "ABurgD", P::Year, 1, 1, "Evening sky:",
       "Civil twilight"},
      {"an event button ends the year mode", [&] { Click(f.RadioButton_SAufga); }, nullptr, {}, "", P::Quarter, 2, 0,
       "Morning sky:", "Sunrise"},
      {"quarter on for the selected quarter", [&] { Click(f.CheckBox_Quartal); }, f.CheckBox_Quartal, Green, "SAufga",
       P::Quarter, 2, 1, "Morning sky:", "Sunrise"},
      {"an event button recomputes the quarter", [&] { Click(f.RadioButton_MAstrD); }, f.CheckBox_Quartal, Green,
       "MAstrD", P::Quarter, 2, 1, "Morning sky:", "Astron. twilight"},
      {"German recomputes the quarter", [&] { f.Deutsch1->trigger(); }, f.CheckBox_Quartal, Green, "MAstrD",
       P::Quarter, 2, 2, "Morgenhimmel:", "Astron. Dämmerung"},
      {"year checked while the quarter is on", [&] { Click(f.CheckBox_Jahr); }, f.CheckBox_Jahr, Red, "MAstrD",
       P::Year, 1, 1, "Morgenhimmel:", "Astron. Dämmerung"},
      {"month checked while the year is on", [&] { Click(f.CheckBox_Monat); }, f.CheckBox_Monat, Blue, "MAstrD",
       P::Month, 5, 1, "Morgenhimmel:", "Astron. Dämmerung"},
      {"French ends the month mode", [&] { f.Francais1->trigger(); }, nullptr, {}, "", P::Quarter, 2, 1,
       "Ciel du matin:", "Crépuscule astronomique"},
      {"quarter on again", [&] { Click(f.CheckBox_Quartal); }, f.CheckBox_Quartal, Green, "MAstrD", P::Quarter, 2, 1,
       "Ciel du matin:", "Crépuscule astronomique"},
      {"quarter unchecked", [&] { Click(f.CheckBox_Quartal); }, nullptr, {}, "", P::Quarter, 2, 0, "Ciel du matin:",
       "Crépuscule astronomique"},
      {"the quarter's period button while off", [&] { Click(f.RadioButton_Q4); }, nullptr, {}, "", P::Quarter, 4, 0,
       "Ciel du matin:", "Crépuscule astronomique"},
  };
  for (const Row& row : Rows) {
    SCOPED_TRACE(row.Name);
    const int draws = f.DrawRequests();
    const double time = JD_UT;
    const double first = EventJD[0];
    const int maximum = f.ScrollBar_Quartal->maximum();
    row.Action();
    const double sidereal = GMST;
    EXPECT_EQ(f.DrawRequests(), draws + row.Draws);
    EXPECT_EQ(PeriodIndex, row.Index);
    EXPECT_EQ(Caption(f.Label_Line1), row.Line1);
    EXPECT_EQ(Caption(f.Label_Line2), row.Line2);
    if (row.On != nullptr) {
      const char* panel[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
      ExpectOn(row.On, row.Color, panel[row.Index], ExpectedLines(row.Event, row.Period, row.Index, 2019), sidereal);
    } else {
      ExpectOff();
      // Leaving keeps the time, EventJD and the scroll bar's range.
      EXPECT_EQ(JD_UT, time);
      EXPECT_EQ(EventJD[0], first);
      EXPECT_EQ(f.ScrollBar_Quartal->maximum(), maximum);
    }
  }
  EXPECT_TRUE(ErrorBoxes.empty());
}

// Every input of the moment leaves the series mode; a mode handler run
// directly while its box is unchecked is one more off run.
TEST_F(twilightSeriesMode, TheNowButtonLeavesTheMode) {
  Start();
  TForm_Main& f = *Window;
  Click(f.CheckBox_Jahr);
  ASSERT_TRUE(f.CheckBox_Jahr->isChecked());
  f.ScrollBar_Quartal->setValue(200);
  const double kept = EventJD[200];
  QTest::mouseClick(f.Button_Jetzt, Qt::LeftButton);
  ExpectOff();
  EXPECT_EQ(EventJD[200], kept);
  EXPECT_EQ(f.ScrollBar_Quartal->maximum(), 364);
  EXPECT_EQ(f.RichEdit_Monat->text(), "06");  // the clock's moment
  const double time = JD_UT;
  f.CheckBox_JahrClick(&f);
  f.CheckBox_MonatClick(&f);
  ExpectOff();
  EXPECT_EQ(JD_UT, time);
}

// Each arrow or trough click moves one day and redraws once; each new
// position of a drag moves to its day; with the mode off nothing moves.
TEST_F(twilightSeriesMode, ScrollBarWalksTheChartThroughTheDays) {
  Start();
  TForm_Main& f = *Window;
  Click(f.CheckBox_Quartal);
  ASSERT_EQ(f.ScrollBar_Quartal->maximum(), 89);
  QScrollBar* bar = f.ScrollBar_Quartal;
  const QPoint rightArrow(bar->width() - 5, bar->height() / 2);
  const QPoint leftArrow(5, bar->height() / 2);
  const QPoint trough(bar->width() * 3 / 4, bar->height() / 2);
  struct Step {
    const char* Name;
    std::function<void()> Move;
    int Position;
  } const Steps[] = {
      {"right arrow", [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow); }, 1},
      {"right arrow again", [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow); }, 2},
      {"trough", [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, trough); }, 3},
      {"left arrow", [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, leftArrow); }, 2},
      {"drag to the end", [&] { bar->setSliderPosition(89); }, 89},
  };
  for (const Step& step : Steps) {
    SCOPED_TRACE(step.Name);
    const int draws = f.DrawRequests();
    step.Move();
    ASSERT_EQ(bar->value(), step.Position);
    EXPECT_EQ(JD_UT, EventJD[step.Position]);
    EXPECT_EQ(f.DrawRequests(), draws + 1);
    std::int32_t y = 0, m = 0, d = 0;
    double h = 0, n = 0, s = 0;
    JDToDate(y, m, d, h, n, s, EventJD[step.Position]);
    EXPECT_EQ(f.RichEdit_Monat_UT->text().toInt(), m);
    EXPECT_EQ(f.RichEdit_Daag_UT->text().toInt(), d);
    EXPECT_EQ(f.StatusBar1->PanelText(3), "JD_UT:" + FormatFixedJD(EventJD[step.Position]));
  }
  EXPECT_EQ(Jahr_UT, 2019);
  EXPECT_EQ(Monat_UT, 3);  // the evening of 31 March

  // Unchecked: the list and panel 4 empty, the time stays, moving changes nothing.
  const double last = JD_UT;
  Click(f.CheckBox_Quartal);
  ExpectOff();
  EXPECT_EQ(JD_UT, last);
  const int draws = f.DrawRequests();
  QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow);
  EXPECT_EQ(bar->value(), 1);
  EXPECT_EQ(JD_UT, last);
  EXPECT_EQ(f.DrawRequests(), draws);
}

// Exactly 55 degrees passes; beyond it, and for a place that is not a
// number, the box keeps its tick and nothing is computed or moved.
TEST_F(twilightSeriesMode, LatitudeLimit) {
  Start();
  TForm_Main& f = *Window;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double Lat, Lon;
    bool Computed;
  } const Cases[] = {
      {55.0, 7.5, true},  {-55.0, 7.5, true}, {55.5, 7.5, false}, {-55.5, 7.5, false},
      {nan, 7.5, false},  {47.5, nan, false}, {47.5, inf, false}, {-inf, 7.5, false},
  };
  for (const Case& c : Cases) {
    SCOPED_TRACE(testing::Message() << c.Lat << " " << c.Lon);
    nLat = c.Lat;
    eLon = c.Lon;
    EventJD.fill(0);
    const double time = JD_UT;
    const int draws = f.DrawRequests();
    Click(f.CheckBox_Monat);
    EXPECT_TRUE(f.CheckBox_Monat->isChecked());
    if (c.Computed) {
      EXPECT_EQ(MemoLines().size(), 31);
      EXPECT_EQ(f.StatusBar1->PanelText(4), "1");
      EXPECT_EQ(Background(f.CheckBox_Monat), Blue);
      EXPECT_EQ(JD_UT, EventJD[0]);
      EXPECT_EQ(f.DrawRequests(), draws + 1);
    } else {
      EXPECT_EQ(f.Memo1->toPlainText(), "");
      EXPECT_EQ(f.StatusBar1->PanelText(4), "");
      EXPECT_EQ(TextColor(f.Label_Line1), Grey);
      EXPECT_NE(Background(f.CheckBox_Monat), Blue);
      EXPECT_EQ(TextColor(f.CheckBox_Monat), Black);
      EXPECT_EQ(EventJD[0], 0.0);
      EXPECT_EQ(JD_UT, time);
      EXPECT_EQ(f.DrawRequests(), draws);
      // No series was ever computed: the scroll bar moves nothing.
      f.ScrollBar_Quartal->setValue(5);
      EXPECT_EQ(JD_UT, time);
      EXPECT_EQ(f.DrawRequests(), draws);
    }
    Click(f.CheckBox_Monat);
    ExpectOff();
  }
  EXPECT_TRUE(ErrorBoxes.empty());
}

// The period lengths as the window counts them from the selected buttons and
// the year of the moment shown.
TEST_F(twilightSeriesMode, PeriodLengthsAndTheScrollBarsRange) {
  Start();
  TForm_Main& f = *Window;
  struct Case {
    const char* Name;
    std::int32_t Year;
    QAbstractButton* Period;  // selected first, or null
    QCheckBox* Box;
    int Days;
  } const Cases[] = {
      {"February 2019", 2019, f.RadioButton_M02, f.CheckBox_Monat, 28},
      {"February 2020", 2020, nullptr, f.CheckBox_Monat, 29},
      {"first quarter 2020", 2020, nullptr, f.CheckBox_Quartal, 91},
      {"fourth quarter 2019", 2019, f.RadioButton_Q4, f.CheckBox_Quartal, 92},
      {"year 2020", 2020, nullptr, f.CheckBox_Jahr, 366},
      {"year 2019", 2019, nullptr, f.CheckBox_Jahr, 365},
  };
  for (const Case& c : Cases) {
    SCOPED_TRACE(c.Name);
    DateToJD(c.Year, 6, 1, 12.0, 0.0, 0.0, JD_UT);
    f.UpdateTimeState();
    if (c.Period != nullptr) Click(c.Period);
    Click(c.Box);
    EXPECT_EQ(MemoLines().size(), c.Days);
    EXPECT_EQ(f.ScrollBar_Quartal->maximum(), c.Days - 1);
    EXPECT_EQ(Jahr_UT, c.Year);
    Click(c.Box);
    ExpectOff();
  }
}

// In a locale whose decimal mark is a comma the list uses it; the sunrise
// and sunset of 1 January 2019 at 47.5 N 7.5 E.
TEST_F(twilightSeriesMode, ListLinesInACommaLocale) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Start();
  TForm_Main& f = *Window;
  ASSERT_EQ(TForm_Main::DecimalSeparator(), ",");
  EXPECT_EQ(f.Edit_nLat->text(), "47.50") << "the place fields keep the point in every locale";
  Click(f.RadioButton_SAufga);
  Click(f.CheckBox_Quartal);
  QStringList lines = MemoLines();
  ASSERT_EQ(lines.size(), 90);
  EXPECT_EQ(lines, ExpectedLines("SAufga", TSeriesPeriod::Quarter, 1, 2019, ","));
  EXPECT_TRUE(lines[0].startsWith("  1  2458484,80")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(" 2019-01-01 07:1")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(" UT -55,")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].endsWith(" -0,83")) << lines[0].toStdString();
  for (const QString& line : lines) EXPECT_FALSE(line.contains('.')) << line.toStdString();
  EXPECT_NEAR(EventJD[0], 2458484.804, 0.001);

  Click(f.RadioButton_SUnter);
  lines = MemoLines();
  ASSERT_EQ(lines.size(), 90);
  EXPECT_TRUE(lines[0].contains(" 2019-01-01 15:4")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(" UT 55,")) << lines[0].toStdString();
  EXPECT_NEAR((EventJD[0] - 2458484.5) * 24, 15.0 + 49.0 / 60, 0.05);
  std::string jd = FormatFixedJD(EventJD[0]);
  jd.replace(jd.find('.'), 1, ",");
  EXPECT_EQ(f.StatusBar1->PanelText(3), "JD_UT:" + jd);
}

// "M" places the list over the left of the chart panel, as high as the panel;
// a resize leaves it until "M" is clicked again.
TEST_F(twilightSeriesMode, ListPlacement) {
  Start();
  TForm_Main& f = *Window;
  Click(f.CheckBox_Quartal);
  Click(f.CheckBox1);
  ASSERT_TRUE(f.Memo1->isVisible());
  const QRect placed(f.Panel_Left->width(), 0, 600, f.Panel_Bild->height());
  EXPECT_EQ(f.Memo1->geometry(), placed);
  EXPECT_EQ(f.Memo1->parentWidget(), f.Panel_Bild->parentWidget());
  // In front of the chart.
  QWidget* front = f.Memo1->parentWidget()->childAt(placed.center());
  EXPECT_TRUE(front == f.Memo1 || f.Memo1->isAncestorOf(front));
  EXPECT_EQ(f.Memo1->toPlainText().count('\n'), 89);
  // Black on white, from the first day on.
  EXPECT_EQ(f.Memo1->palette().color(QPalette::Base), QColor(255, 255, 255));
  EXPECT_EQ(f.Memo1->palette().color(QPalette::Text), QColor(0, 0, 0));
  EXPECT_EQ(f.Memo1->verticalScrollBar()->value(), 0);

  ShowWithClientSize(1600, 1000);
  ASSERT_NE(f.Panel_Bild->height(), placed.height());
  EXPECT_EQ(f.Memo1->geometry(), placed);
  Click(f.CheckBox1);
  EXPECT_FALSE(f.Memo1->isVisible());
  const QRect again(f.Panel_Left->width(), 0, 600, f.Panel_Bild->height());
  EXPECT_EQ(f.Memo1->geometry(), again);
  Click(f.CheckBox1);
  EXPECT_TRUE(f.Memo1->isVisible());
  EXPECT_EQ(f.Memo1->geometry(), again);
}

}  // namespace
