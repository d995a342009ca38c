// Errors of handlers that a change made in code runs: they end that handler
// and reach the handler that made the change, after Qt's signal code has run
// to its end; a change made outside any handler reports at once. The scroll
// bar's refused maximum.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>

#include "WindowFixture.h"
#include "grid/qt/TextGridWidget.h"
#include "platform/Errors.h"
#include "ui/HandlerBindings.h"
#include "ui/logic/FrameworkErrors.h"

namespace {

class HandlerErrors : public WindowTest {};

// A control whose change runs a failing handler, then a second receiver of
// the same signal that counts the emissions Qt completed.
struct TFailingControl {
  std::function<void()> Change;  // the change made in code
  int Completed = 0;
};

const auto FailingHandler = [] { TForm_Main::RunEvent([] { throw tv::ERangeError(); }); };

TEST_F(HandlerErrors, ReachTheHandlerThatChangedTheControl) {
  QCheckBox box;
  QWidget group;  // one group of radio buttons
  QRadioButton first(&group), second(&group);
  first.setChecked(true);
  QScrollBar position(Qt::Horizontal), maximum(Qt::Horizontal);
  position.setRange(0, 91);
  maximum.setRange(0, 91);
  maximum.setValue(60);
  struct Row {
    const char* Name;
    TFailingControl Control;
  } rows[] = {
      {"check box", {[&] { SetChecked(&box, !box.isChecked()); }}},
      {"radio button", {[&] { SetChecked(second.isChecked() ? &first : &second, true); }}},
      {"scroll bar position", {[&] { SetPosition(&position, position.value() == 0 ? 5 : 0); }}},
      {"scroll bar maximum below the position", {[&] { SetMaximum(&maximum, maximum.value() - 1); }}},
  };
  const auto completed = [](TFailingControl& Control) { return [&Control] { ++Control.Completed; }; };
  QObject::connect(&box, &QCheckBox::toggled, FailingHandler);
  QObject::connect(&box, &QCheckBox::toggled, completed(rows[0].Control));
  for (QRadioButton* button : {&first, &second}) {
    QObject::connect(button, &QRadioButton::toggled, [](bool Checked) {
      if (Checked) FailingHandler();
    });
    QObject::connect(button, &QRadioButton::toggled, [&rows](bool Checked) {
      if (Checked) ++rows[1].Control.Completed;
    });
  }
  QObject::connect(&position, &QScrollBar::valueChanged, FailingHandler);
  QObject::connect(&position, &QScrollBar::valueChanged, completed(rows[2].Control));
  QObject::connect(&maximum, &QScrollBar::valueChanged, FailingHandler);
  QObject::connect(&maximum, &QScrollBar::valueChanged, completed(rows[3].Control));

  for (Row& row : rows) {
    SCOPED_TRACE(row.Name);
    ErrorBoxes.clear();
    bool rest = false;
    TForm_Main::RunEvent([&] {
      row.Control.Change();
      rest = true;
    });
    EXPECT_FALSE(rest) << "the error ends the handler that made the change";
    EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"Range check error."});
    EXPECT_EQ(row.Control.Completed, 1) << "Qt's signal code ran to its end";
    // Made outside any handler, as by the user: the handler reports it.
    row.Control.Change();
    EXPECT_EQ(ErrorBoxes.size(), 2u);
    EXPECT_EQ(row.Control.Completed, 2);
  }
}

// Through two handlers: the inner error ends the middle handler at its change
// and then the outer one; it is reported once.
TEST_F(HandlerErrors, PassThroughEveryHandlerOnTheWay) {
  QCheckBox middle, inner;
  bool middleRest = false, outerRest = false;
  QObject::connect(&inner, &QCheckBox::toggled, FailingHandler);
  QObject::connect(&middle, &QCheckBox::toggled, [&] {
    TForm_Main::RunEvent([&] {
      SetChecked(&inner, true);
      middleRest = true;
    });
  });
  TForm_Main::RunEvent([&] {
    SetChecked(&middle, true);
    outerRest = true;
  });
  EXPECT_FALSE(middleRest);
  EXPECT_FALSE(outerRest);
  EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"Range check error."});
  EXPECT_TRUE(inner.isChecked());
  EXPECT_TRUE(middle.isChecked());
  // A handler without an error afterwards runs to its end.
  TForm_Main::RunEvent([&] {
    SetChecked(&middle, false);
    outerRest = true;
  });
  EXPECT_TRUE(outerRest);
  EXPECT_EQ(ErrorBoxes.size(), 1u);
}

// The daylight-saving box set from the settings during start-up: its
// handler's conversion error (a local field that is no number) ends the
// creation handler at that step: no draw, no language, the place fields as
// the tree has them.
TEST_F(HandlerErrors, DaylightSavingBoxAtStartUpEndsTheCreationHandler) {
  CopyBackground();
  StoreSettings(1, 16, true, 10.0, 20.0);
  Window = std::make_unique<TForm_Main>();
  Window->LocalClock = &TestClock;
  Form_Main = Window.get();
  Window->RichEdit_Stunde->setText("x");
  int completed = 0;
  QObject::connect(Window->CheckBox_DST, &QCheckBox::toggled, [&] { ++completed; });
  TForm_Main::RunEvent([this] { Window->FormCreate(Window.get()); });
  EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"'x' is not a valid floating point value."});
  EXPECT_EQ(completed, 1) << "Qt's signal code ran to its end";
  EXPECT_TRUE(Window->CheckBox_DST->isChecked());
  EXPECT_EQ(DSTOffset, 1.0);
  EXPECT_EQ(Window->DrawRequests(), 0);
  EXPECT_EQ(Window->Edit_nLat->text(), "47.50");
  EXPECT_EQ(Caption(Window->Button_Jetzt), "Jetzt");
  EXPECT_EQ(Window->ComboBox_TZone->count(), 40) << "the steps before it ran";
}

// The body table's errors inside its own Qt events (paint, keys, mouse,
// size) go to the window's error box.
TEST_F(HandlerErrors, BodyTableErrorsInItsEventsShowTheErrorBox) {
  Window = std::make_unique<TForm_Main>();
  ASSERT_TRUE(Window->TextGrid1->OnError);
  Window->TextGrid1->OnError(tv::EIntOverflow());
  EXPECT_EQ(ErrorBoxes, std::vector<std::string>{"Integer overflow."});
}

TEST_F(HandlerErrors, ScrollBarMaximumBelowTheMinimumIsRefused) {
  QScrollBar bar(Qt::Horizontal);
  bar.setRange(0, 91);
  bar.setValue(30);
  int changes = 0;
  QObject::connect(&bar, &QScrollBar::valueChanged, [&] { ++changes; });
  try {
    SetMaximum(&bar, -1);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidOperation& Error) {
    EXPECT_STREQ(Error.what(), "Scrollbar property out of range");
  }
  EXPECT_EQ(bar.maximum(), 91);
  EXPECT_EQ(bar.value(), 30);
  bar.setMinimum(10);
  EXPECT_THROW(SetMaximum(&bar, 9), EInvalidOperation);
  EXPECT_EQ(changes, 0);
  // At or above the position it stays; below, the position follows and the
  // change is reported.
  SetMaximum(&bar, 30);
  EXPECT_EQ(bar.value(), 30);
  EXPECT_EQ(changes, 0);
  SetMaximum(&bar, 10);
  EXPECT_EQ(bar.value(), 10);
  EXPECT_EQ(bar.minimum(), 10);
  EXPECT_EQ(changes, 1);
}

}  // namespace
