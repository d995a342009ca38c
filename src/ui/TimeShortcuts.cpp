// The close query and the handlers that set the moment in one action: the
// now, midnight and noon buttons, the zone list and the daylight-saving box.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "data/Settings.h"
#include "data/SharedState.h"
#include "ui/HandlerBindings.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/NumberText.h"
#include "ui/logic/TimeStateCalc.h"

void TForm_Main::UncheckSeriesBoxes() {
  SetChecked(CheckBox_Monat, false);
  SetChecked(CheckBox_Quartal, false);
  SetChecked(CheckBox_Jahr, false);
}

void TForm_Main::EndProgram(int Code) {
  if (ProgramEnd) {
    ProgramEnd(Code);
    return;
  }
  // The settings and the chart picture are closed files by now; nothing
  // else needs to outlive the process.
  std::fflush(nullptr);
  std::_Exit(Code);
}

// The pending events first, then the settings written back (when the
// settings file still exists): language, zone line, daylight saving and
// place. Then the program ends with exit code 0, also when the close came
// inside another handler's event processing. A failed write raises its
// input/output error before that: the window stays open.
void TForm_Main::FormCloseQuery(QObject*, bool&) {
  Closing = true;
  ProcessMessages();
  Save_Settings(Language, ZoneEntry(ComboBox_TZone->currentIndex()), CheckBox_DST->isChecked(), nLat, eLon);
  EndProgram(0);
}

// The clock's local date and time, in whole seconds, as local civil time in
// the window's zone and daylight-saving choice; shown, then drawn twice.
void TForm_Main::Button_JetztClick(QObject*) {
  UncheckSeriesBoxes();
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
  UncheckSeriesBoxes();
  DSTOffset = CheckBox_DST->isChecked() ? 1.0 : 0.0;
  Read_DateTimeInput();
  UpdateTimeState();
}

namespace {

// The hour, minute and second fields in turn: each read as a number (a text
// that is none stops here with its conversion error, the fields before it
// already replaced), then replaced by its new text.
void SetTimeFields(TForm_Main& Form, const char* Hour, const char* Minute, const char* Second) {
  const std::string mark = TForm_Main::DecimalSeparator();
  const std::pair<TFieldEdit*, const char*> fields[] = {
      {Form.RichEdit_Stunde, Hour}, {Form.RichEdit_Minute, Minute}, {Form.RichEdit_Sekunde, Second}};
  for (const auto& [field, text] : fields) {
    (void)StrToFloat(field->text().toStdString(), mark);
    field->setText(QString::fromUtf8(text));
  }
}

}  // namespace

// 00:00:00 local time of the date in the date fields; drawn once.
void TForm_Main::Button_MitternachtClick(QObject*) {
  UncheckSeriesBoxes();
  SetTimeFields(*this, "00", "00", "00");
  Read_DateTimeInput();
}

// 12:00:00 local time of the date in the date fields; only the quarter
// series is left. Drawn once.
void TForm_Main::Button_MittagClick(QObject*) {
  SetChecked(CheckBox_Quartal, false);
  SetTimeFields(*this, "12", "00", "00");
  Read_DateTimeInput();
}

// Another zone: the local date and time stay, universal time moves by the
// difference of the offsets; drawn once.
void TForm_Main::ComboBox_TZoneChange(QObject*) {
  UncheckSeriesBoxes();
  TZoneOffset = TZones[ComboBox_TZone->currentIndex()].Offset;
  Read_DateTimeInput();
}
