// The close query and the handlers that set the moment in one action: the
// now button (the computer's clock) and the daylight-saving box.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>

#include "data/Settings.h"
#include "data/SharedState.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/TimeStateCalc.h"

namespace {

void UncheckSeries(TForm_Main& Form) {
  Form.CheckBox_Monat->setChecked(false);
  Form.CheckBox_Quartal->setChecked(false);
  Form.CheckBox_Jahr->setChecked(false);
}

}  // namespace

// Writes the settings back (when the settings file still exists) and ends
// the event loop with exit code 0.
void TForm_Main::FormCloseQuery(QObject*, bool&) {
  Closing = true;
  ProcessMessages();
  Save_Settings(Language, ZoneEntry(ComboBox_TZone->currentIndex()), CheckBox_DST->isChecked(), nLat, eLon);
  QCoreApplication::exit(0);
}

// The clock's local date and time, in whole seconds, as local civil time in
// the window's zone and daylight-saving choice; shown, then drawn twice.
void TForm_Main::Button_JetztClick(QObject*) {
  UncheckSeries(*this);
  const TSystemTime now = LocalClock();
  TZoneOffset = TZones[ZoneEntry(ComboBox_TZone->currentIndex())].Offset;
  SetLocalMoment(now.Year, now.Month, now.Day, now.Hour, now.Minute, now.Second);
  ShowDateTime();
  Read_DateTimeInput();
  UpdateTimeState();
}

// Daylight saving on or off: the local fields stay, universal time moves by
// the hour; drawn twice.
void TForm_Main::CheckBox_DSTClick(QObject*) {
  UncheckSeries(*this);
  DSTOffset = CheckBox_DST->isChecked() ? 1.0 : 0.0;
  Read_DateTimeInput();
  UpdateTimeState();
}

void TForm_Main::Button_MitternachtClick(QObject*) {}
void TForm_Main::Button_MittagClick(QObject*) {}
void TForm_Main::ComboBox_TZoneChange(QObject*) {}
