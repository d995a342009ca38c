// The hold-to-repeat buttons of the moment: one step per click, the steps of
// each field through the calendar, the pause and the continuous steps of a
// held button, one release ending nested loops, and the ends of a hold whose
// release can no longer arrive (a lost mouse, a deactivated window).
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "WindowFixture.h"

namespace {

class StepButtons : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
    SetMoment(15, false, {"2019", "06", "01", "18", "00", "00"});
  }
  // A click: the release queued, then the press; the release is handled in
  // the first pass's event processing.
  static void Click(TBitBtn* Button) {
    QCoreApplication::postEvent(Button, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTest::mousePress(Button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }
  // A press and release through the window, as the platform reports them.
  QPoint At(QWidget* Button) const { return Button->mapTo(Window.get(), Button->rect().center()); }
  void Press(QWidget* Button) { QTest::mousePress(Window->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(Button)); }
  void Release(QWidget* Button) {
    QTest::mouseRelease(Window->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(Button));
  }
  // Ends a hold that a fault would keep going, so that the test fails
  // instead of hanging; lives only as long as the test.
  struct TGiveUp {
    QTimer Timer;
    bool Fired = false;
    TGiveUp() {
      Timer.setSingleShot(true);
      QObject::connect(&Timer, &QTimer::timeout, [this] {
        Fired = true;
        ButtonHeld = false;
      });
      Timer.start(20000);
    }
  };
  void ShowActive() {
    ShowWithClientSize(1272, 968);
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  }
};

TEST_F(StepButtons, OneClickOneStepThroughTheCalendar) {
  using B = TBitBtn* TForm_Main::*;
  struct Case {
    const char* Name;
    std::array<const char*, 6> From;
    B Button;
    const char* To;
  } const Cases[] = {
      {"month plus into the next year", {"2019", "12", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Monat_Plus,
       "2020 01 01 18 00 00"},
      {"month minus into the year before", {"2019", "01", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Monat_Minus,
       "2018 12 01 18 00 00"},
      {"31 January plus a month", {"2019", "01", "31", "18", "00", "00"}, &TForm_Main::BitBtn_Monat_Plus,
       "2019 03 03 18 00 00"},
      {"31 January 2020 plus a month", {"2020", "01", "31", "18", "00", "00"}, &TForm_Main::BitBtn_Monat_Plus,
       "2020 03 02 18 00 00"},
      {"31 March minus a month", {"2019", "03", "31", "18", "00", "00"}, &TForm_Main::BitBtn_Monat_Minus,
       "2019 03 03 18 00 00"},
      {"31 May plus a month", {"2019", "05", "31", "18", "00", "00"}, &TForm_Main::BitBtn_Monat_Plus,
       "2019 07 01 18 00 00"},
      {"29 February plus a year", {"2020", "02", "29", "18", "00", "00"}, &TForm_Main::BitBtn_Jahr_Plus,
       "2021 03 01 18 00 00"},
      {"29 February minus a year", {"2020", "02", "29", "18", "00", "00"}, &TForm_Main::BitBtn_Jahr_Minus,
       "2019 03 01 18 00 00"},
      {"1 March 2019 minus a day", {"2019", "03", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Daag_Minus,
       "2019 02 28 18 00 00"},
      {"1 March 2020 minus a day", {"2020", "03", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Daag_Minus,
       "2020 02 29 18 00 00"},
      {"1 January minus a day", {"2019", "01", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Daag_Minus,
       "2018 12 31 18 00 00"},
      {"31 December plus a day", {"2019", "12", "31", "18", "00", "00"}, &TForm_Main::BitBtn_Daag_Plus,
       "2020 01 01 18 00 00"},
      {"hour plus into the new year", {"2019", "12", "31", "23", "00", "00"}, &TForm_Main::BitBtn_Stunde_Plus,
       "2020 01 01 00 00 00"},
      {"hour minus", {"2019", "06", "01", "00", "30", "00"}, &TForm_Main::BitBtn_Stunde_Minus,
       "2019 05 31 23 30 00"},
      {"minute plus", {"2019", "06", "01", "18", "59", "00"}, &TForm_Main::BitBtn_Minute_Plus,
       "2019 06 01 19 00 00"},
      {"minute minus", {"2019", "06", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Minute_Minus,
       "2019 06 01 17 59 00"},
      {"second plus", {"2019", "06", "01", "18", "59", "59"}, &TForm_Main::BitBtn_Sekunde_Plus,
       "2019 06 01 19 00 00"},
      {"second minus into the year before", {"2019", "01", "01", "00", "00", "00"},
       &TForm_Main::BitBtn_Sekunde_Minus, "2018 12 31 23 59 59"},
      {"across the calendar reform", {"1582", "10", "04", "18", "00", "00"}, &TForm_Main::BitBtn_Daag_Plus,
       "1582 10 15 18 00 00"},
      {"back across the reform", {"1582", "10", "15", "18", "00", "00"}, &TForm_Main::BitBtn_Daag_Minus,
       "1582 10 04 18 00 00"},
      {"year minus below the typed bound", {"1900", "06", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Jahr_Minus,
       "1899 06 01 18 00 00"},
      {"year plus above the typed bound", {"2500", "06", "01", "18", "00", "00"}, &TForm_Main::BitBtn_Jahr_Plus,
       "2501 06 01 18 00 00"},
  };
  for (const Case& c : Cases) {
    SetMoment(15, false, c.From);
    Jahr = std::atoi(c.From[0]);  // the typed read would clamp a year before 1900
    const int draws = Window->DrawRequests();
    Click((*Window).*c.Button);
    EXPECT_EQ(LocalFields(), c.To) << c.Name;
    EXPECT_EQ(Window->DrawRequests(), draws + 1) << c.Name << ": one step, one draw";
    EXPECT_FALSE(ButtonHeld);
  }
  // From year 1 two steps down give year 0, then -1.
  SetMoment(15, false, {"2019", "06", "01", "18", "00", "00"});
  Jahr = 1;
  Click(Window->BitBtn_Jahr_Minus);
  EXPECT_EQ(Jahr, 0);
  Click(Window->BitBtn_Jahr_Minus);
  EXPECT_EQ(Jahr, -1);
  EXPECT_EQ(Window->RichEdit_Jahr->text(), "-1");
}

TEST_F(StepButtons, SiderealDayKeepsTheStarsAndTheHundredths) {
  Click(Window->BitBtn_Sterntag_Plus);
  EXPECT_EQ(Jahr * 10000 + Monat * 100 + Daag, 20190602);
  EXPECT_EQ(Stunde, 17);
  EXPECT_EQ(Minute, 56);
  EXPECT_NEAR(Sekunde, 4.09, 1e-6);
  Click(Window->BitBtn_Sterntag_Plus);
  EXPECT_EQ(Daag, 3);
  EXPECT_EQ(Minute, 52);
  EXPECT_NEAR(Sekunde, 8.18, 1e-6);
  SetMoment(15, false, {"2019", "06", "01", "18", "00", "00"});
  const double gmst = GMST;
  Click(Window->BitBtn_Sterntag_Minus);
  EXPECT_EQ(Daag, 31);
  EXPECT_EQ(Stunde, 18);
  EXPECT_EQ(Minute, 3);
  EXPECT_NEAR(Sekunde, 55.91, 1e-6);
  EXPECT_NEAR(GMST, gmst, 1e-6) << "the stars stay in place";
  // Within the first minutes after midnight a plus step stays on the date,
  // and a minus step from there comes back.
  SetMoment(15, false, {"2019", "06", "01", "00", "02", "00"});
  Click(Window->BitBtn_Sterntag_Plus);
  EXPECT_EQ(LocalFields(), "2019 06 01 23 58 04");
  Click(Window->BitBtn_Sterntag_Minus);
  EXPECT_EQ(LocalFields(), "2019 06 01 00 02 00");
  EXPECT_NEAR(Sekunde, 0.0, 1e-6);
}

TEST_F(StepButtons, APressLeavesTheSeriesOnceAndAReleaseAloneOnlyClearsTheFlag) {
  CheckQuietly(Window->CheckBox_Quartal);
  QSignalSpy clicks(Window->CheckBox_Quartal, &QCheckBox::toggled);
  Click(Window->BitBtn_Minute_Plus);
  EXPECT_FALSE(Window->CheckBox_Quartal->isChecked());
  EXPECT_EQ(clicks.count(), 1);
  QSignalSpy none(Window->CheckBox_Monat, &QCheckBox::toggled);
  Click(Window->BitBtn_Minute_Plus);
  EXPECT_EQ(none.count(), 0) << "a box already unchecked runs nothing";
  // A release while no loop runs.
  const int draws = Window->DrawRequests();
  ButtonHeld = true;
  QTest::mouseRelease(Window->BitBtn_Daag_Plus, Qt::LeftButton);
  EXPECT_FALSE(ButtonHeld);
  EXPECT_EQ(Window->DrawRequests(), draws);
}

TEST_F(StepButtons, HeldStepsAfterThePauseUntilTheRelease) {
  ShowActive();
  QElapsedTimer clock;
  std::vector<qint64> steps;  // when the year field changed
  QString shown = Window->RichEdit_Jahr->text();
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (Window->RichEdit_Jahr->text() == shown) return;
    shown = Window->RichEdit_Jahr->text();
    steps.push_back(clock.elapsed());
  });
  // The release comes after a second and at least three steps, however slowly
  // a loaded machine or a sanitizer build draws.
  bool released = false;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (released || clock.elapsed() < 1000 || steps.size() < 3) return;
    released = true;
    Release(Window->BitBtn_Jahr_Plus);
  });
  watch.start(1);
  clock.start();
  Press(Window->BitBtn_Jahr_Plus);  // returns when the hold has ended
  const qint64 ended = clock.elapsed();
  watch.stop();
  EXPECT_FALSE(ButtonHeld);
  EXPECT_GE(ended, 1000);
  ASSERT_GE(steps.size(), 3u) << "the first step, then steps without pause";
  EXPECT_GE(steps[1], 250) << "the pause after the first step";
  EXPECT_EQ(Jahr, 2019 + static_cast<int>(steps.size()));
  const int year = Jahr;
  QTest::qWait(50);
  EXPECT_EQ(Jahr, year) << "no step after the release";
  EXPECT_FALSE(Window->BitBtn_Jahr_Plus->isDown());
}

TEST_F(StepButtons, OneReleaseEndsANestedLoopAndTheOuterOne) {
  const int draws = Window->DrawRequests();
  // Inside the held day button, after some day steps, the hour button is
  // pressed (a loop of its own); after some hour steps a single release ends
  // both. The steps are counted, not timed, so that a slow draw changes nothing.
  int nestedFrom = 0;
  QTimer pressNested, release;
  QObject::connect(&pressNested, &QTimer::timeout, [&] {
    if (Window->DrawRequests() < draws + 3) return;
    pressNested.stop();
    nestedFrom = Window->DrawRequests();
    release.start(1);
    Window->BitBtn_Stunde_PlusMouseDown(Window.get(), Qt::RightButton, {}, 1, 1);
  });
  QObject::connect(&release, &QTimer::timeout, [&] {
    if (Window->DrawRequests() < nestedFrom + 3) return;
    release.stop();
    QTest::mouseRelease(Window->BitBtn_Monat_Minus, Qt::LeftButton);
  });
  TGiveUp giveUp;
  pressNested.start(1);
  Window->BitBtn_Daag_PlusMouseDown(Window.get(), Qt::LeftButton, {}, 1, 1);
  EXPECT_FALSE(giveUp.Fired);
  EXPECT_GE(Window->DrawRequests(), nestedFrom + 3) << "the release came from the nested loop";
  EXPECT_FALSE(ButtonHeld);
  EXPECT_GT(Window->DrawRequests(), draws + 3);
  EXPECT_GT(Daag, 2) << "the days stepped";
  EXPECT_NE(LocalFields().substr(11, 2), "18") << "and the hours";
}

// Obvious fault mended: a hold whose release can no longer reach the button
// ends anyway. Here a modal box opens during the hold (as an error box does)
// and takes the release; the window was not the active one at the press.
TEST_F(StepButtons, HoldEndsWhenAModalBoxTakesTheRelease) {
  ShowWithClientSize(1272, 968);
  QWidget other;
  other.setGeometry(0, 0, 200, 200);
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QDialog box;
  box.setModal(true);
  QTimer::singleShot(400, [&] { box.show(); });
  QTimer::singleShot(600, [&] { Release(Window->BitBtn_Minute_Plus); });
  TGiveUp giveUp;
  QElapsedTimer clock;
  clock.start();
  Press(Window->BitBtn_Minute_Plus);
  EXPECT_GE(clock.elapsed(), 600);
  EXPECT_FALSE(giveUp.Fired) << "the hold ended by itself";
  EXPECT_FALSE(ButtonHeld);
  EXPECT_FALSE(Window->BitBtn_Minute_Plus->isDown());
}

// Obvious fault mended: a hold ends when the window is deactivated (an error
// box, another window taking the input).
TEST_F(StepButtons, HoldEndsWhenTheWindowIsDeactivated) {
  QWidget other;
  other.setGeometry(0, 0, 200, 200);
  other.show();
  // A time step and a place step: both holds watch the window alike.
  for (QWidget* button : std::initializer_list<QWidget*>{Window->BitBtn_Sekunde_Minus, Window->BitBtn_nLat_MinusSmall}) {
    SCOPED_TRACE(button->objectName().toStdString());
    ShowActive();
    QTimer::singleShot(600, [&] {
      other.activateWindow();
      QApplication::setActiveWindow(&other);
    });
    TGiveUp giveUp;
    QElapsedTimer clock;
    clock.start();
    Press(button);
    EXPECT_GE(clock.elapsed(), 600);
    EXPECT_FALSE(giveUp.Fired) << "the hold ended by itself";
    EXPECT_FALSE(ButtonHeld);
    EXPECT_FALSE(Window->isActiveWindow());
    Release(button);
  }
}

}  // namespace
