// The handlers of typed input and of the step buttons: Enter in a date, time
// or place field, and the hold-to-repeat buttons of the moment and the place.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGuiApplication>
#include <algorithm>

#include "astro/Astronom.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"
#include "platform/Clock.h"
#include "ui/HandlerBindings.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/FixedText.h"
#include "ui/logic/NumberText.h"

namespace {

// The key code of Enter: the main key and the keypad's.
bool IsEnter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

// What a press loop watches besides ButtonHeld. A press made with the mouse
// ends also when the application sees no mouse button down any more (the
// release went to another window, or to none while an error box had the
// input) or when the window that was active at the press is no longer: a
// release that can no longer reach the button must not leave it stepping.
class THoldWatch {
 public:
  THoldWatch(QObject* Button, const QWidget* Window)
      : Button_(qobject_cast<QAbstractButton*>(Button)),
        Window_(Window),
        ByMouse_(QGuiApplication::mouseButtons() != Qt::NoButton),
        WasActive_(Window->isActiveWindow()) {}

  // After an event processing: a lost hold ends as a release would.
  void Check() const {
    if (!ButtonHeld) return;
    const bool lost = (ByMouse_ && QGuiApplication::mouseButtons() == Qt::NoButton) ||
                      (WasActive_ && !Window_->isActiveWindow());
    if (!lost) return;
    ButtonHeld = false;
    if (Button_ != nullptr) Button_->setDown(false);
  }

 private:
  QAbstractButton* Button_;
  const QWidget* Window_;
  bool ByMouse_;
  bool WasActive_;
};

}  // namespace

// --- Enter in a date or time field ----------------------------------------------------

template <typename T>
void TForm_Main::ApplyDateTimeField(int Key, const TFieldEdit* Field, T& Variable, std::int32_t Lower,
                                    std::int32_t Upper) {
  if (!IsEnter(Key)) return;
  UncheckSeriesBoxes();
  const std::optional<std::int32_t> typed = ReadFieldInteger(Field->text().toStdString());
  if (!typed) return;
  Variable = static_cast<T>(std::max(Lower, std::min(Upper, *typed)));
  DateToJD(Jahr, Monat, Daag, Stunde, Minute, Sekunde, JD_Local);
  JD_UT = (JD_Local - TZoneOffset / 24) - DSTOffset / 24;
  UpdateTimeState();
}

void TForm_Main::RichEdit_JahrKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyDateTimeField(Key, RichEdit_Jahr, Jahr, 1900, 2200);
}
void TForm_Main::RichEdit_MonatKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyDateTimeField(Key, RichEdit_Monat, Monat, 0, 12);
}
void TForm_Main::RichEdit_DaagKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyDateTimeField(Key, RichEdit_Daag, Daag, 0, 31);
}
void TForm_Main::RichEdit_StundeKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyDateTimeField(Key, RichEdit_Stunde, Stunde, 0, 23);
}
void TForm_Main::RichEdit_MinuteKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyDateTimeField(Key, RichEdit_Minute, Minute, 0, 59);
}
void TForm_Main::RichEdit_SekundeKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyDateTimeField(Key, RichEdit_Sekunde, Sekunde, 0, 59);
}

// --- Place fields -------------------------------------------------------------------------

void TForm_Main::ResetSeriesBoxes() {
  SetChecked(CheckBox_Monat, false);
  CheckBox_MonatClick(this);
  SetChecked(CheckBox_Quartal, false);
  CheckBox_QuartalClick(this);
  SetChecked(CheckBox_Jahr, false);
  CheckBox_JahrClick(this);
}

// A rejected text changes nothing but the series boxes; an accepted one is
// clamped, stored, written back with two decimals and drawn twice (the time
// state read again first, for the local sidereal time).
void TForm_Main::ApplyPlaceField(int Key, TFieldEdit* Field, double& Coordinate, double Bound) {
  if (!IsEnter(Key)) return;
  UncheckSeriesBoxes();
  const std::optional<double> typed = ReadPlaceNumber(Field->text().toStdString());
  if (!typed) return;
  ResetSeriesBoxes();
  Coordinate = std::max(-Bound, std::min(Bound, *typed));
  Field->setText(QString::fromStdString(PlaceFieldText(Coordinate)));
  Read_DateTimeInput();
  Button_ZeichnenClick(this);
}

void TForm_Main::Edit_nLatKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyPlaceField(Key, Edit_nLat, nLat, 90.0);
}
void TForm_Main::Edit_eLonKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  ApplyPlaceField(Key, Edit_eLon, eLon, 180.0);
}

void TForm_Main::ScrollBar_eLonScroll(QObject*, int ScrollCode, int&) {
  if (ScrollCode == 5) ProcessMessages();
}

// --- Step buttons of the moment ---------------------------------------------------------

// The fields changed go only into DateToJD; the time state then normalises
// and shows them and draws.
void TForm_Main::StepMoment(const TMomentStep& Step) {
  DateToJD(tv::CheckedAdd(Jahr, Step.Years), tv::CheckedAdd(Monat, Step.Months), tv::CheckedAdd(Daag, Step.Days),
           Stunde + Step.Hours, Minute + Step.Minutes, Sekunde + Step.Seconds, JD_Local);
  JD_UT = (JD_Local - TZoneOffset / 24) - DSTOffset / 24;
  UpdateTimeState();
}

// Steps at once, once more 250 ms after the first step's redraw, then as fast
// as the chart is redrawn, until a release of any step button (or a lost
// hold, see THoldWatch).
void TForm_Main::StepMomentWhileHeld(QObject* Sender, const TMomentStep& Step) {
  const THoldWatch watch(Sender, this);
  ButtonHeld = true;
  std::int32_t wait = 250;
  UncheckSeriesBoxes();
  while (ButtonHeld) {
    StepMoment(Step);
    WaitMs(wait);
    wait = 0;
    ProcessMessages();
    watch.Check();
  }
}

#define TV_MOMENT_BUTTON(Name, ...)                                                                           \
  void TForm_Main::Name##MouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {       \
    StepMomentWhileHeld(Sender, TMomentStep{__VA_ARGS__});                                                     \
  }                                                                                                            \
  void TForm_Main::Name##MouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ButtonHeld = false; }

TV_MOMENT_BUTTON(BitBtn_Jahr_Plus, .Years = 1)
TV_MOMENT_BUTTON(BitBtn_Jahr_Minus, .Years = -1)
TV_MOMENT_BUTTON(BitBtn_Monat_Plus, .Months = 1)
TV_MOMENT_BUTTON(BitBtn_Monat_Minus, .Months = -1)
TV_MOMENT_BUTTON(BitBtn_Daag_Plus, .Days = 1)
TV_MOMENT_BUTTON(BitBtn_Daag_Minus, .Days = -1)
TV_MOMENT_BUTTON(BitBtn_Stunde_Plus, .Hours = 1.0)
TV_MOMENT_BUTTON(BitBtn_Stunde_Minus, .Hours = -1.0)
TV_MOMENT_BUTTON(BitBtn_Minute_Plus, .Minutes = 1.0)
TV_MOMENT_BUTTON(BitBtn_Minute_Minus, .Minutes = -1.0)
TV_MOMENT_BUTTON(BitBtn_Sekunde_Plus, .Seconds = 1.0)
TV_MOMENT_BUTTON(BitBtn_Sekunde_Minus, .Seconds = -1.0)
// One mean sidereal day, 86164.09 s, as 23 h, 56 min and 4.09 s.
TV_MOMENT_BUTTON(BitBtn_Sterntag_Plus, .Hours = 23.0, .Minutes = 56.0, .Seconds = 4.09)
TV_MOMENT_BUTTON(BitBtn_Sterntag_Minus, .Hours = -23.0, .Minutes = -56.0, .Seconds = -4.09)

#undef TV_MOMENT_BUTTON

// --- Step buttons of the place ------------------------------------------------------------

// Half a degree per pass toward Bound and never past it, written into Field
// and drawn; the first draw 250 ms after the press. The series boxes are
// reset on every pass; the time state is not recomputed, so the local
// sidereal time keeps the longitude of the last change of the moment. Events
// are processed only inside the draw.
void TForm_Main::StepPlaceWhileHeld(QObject* Sender, TFieldEdit* Field, double& Coordinate, double Step,
                                    double Bound) {
  const THoldWatch watch(Sender, this);
  UncheckSeriesBoxes();
  ButtonHeld = true;
  std::int32_t wait = 250;
  while (ButtonHeld) {
    ResetSeriesBoxes();
    Coordinate = Step < 0 ? std::max(Coordinate + Step, Bound) : std::min(Coordinate + Step, Bound);
    Field->setText(QString::fromStdString(PlaceFieldText(Coordinate)));
    WaitMs(wait);
    wait = 0;
    Button_ZeichnenClick(this);
    watch.Check();
  }
}

void TForm_Main::BitBtn_nLat_MinusSmallMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  StepPlaceWhileHeld(Sender, Edit_nLat, nLat, -0.5, -90.0);
}
void TForm_Main::BitBtn_nLat_PlusSmallMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  StepPlaceWhileHeld(Sender, Edit_nLat, nLat, 0.5, 90.0);
}
void TForm_Main::BitBtn_eLon_MinusSmallMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  StepPlaceWhileHeld(Sender, Edit_eLon, eLon, -0.5, -180.0);
}
void TForm_Main::BitBtn_eLon_PlusSmallMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  StepPlaceWhileHeld(Sender, Edit_eLon, eLon, 0.5, 180.0);
}
void TForm_Main::BitBtn_nLat_MinusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  ButtonHeld = false;
}
void TForm_Main::BitBtn_nLat_PlusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  ButtonHeld = false;
}
void TForm_Main::BitBtn_eLon_MinusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  ButtonHeld = false;
}
void TForm_Main::BitBtn_eLon_PlusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  ButtonHeld = false;
}
