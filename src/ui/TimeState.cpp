// The time state: the local date and time fields read into the moment, the
// moment derived from JD_UT, and both shown in the fields and the status bar.
#include <QCheckBox>
#include <QComboBox>
#include <algorithm>

#include "data/SharedState.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/NumberText.h"
#include "ui/logic/TimeStateCalc.h"

namespace {

std::string FieldText(const TFieldEdit* Field) { return Field->text().toStdString(); }

}  // namespace

// The six local fields as typed: the year clamped to 1900 .. 2500, the rest
// folded into the Julian day. A field that is no number stops here with its
// conversion error; the fields read before it stay stored.
void TForm_Main::Read_DateTimeInput() {
  const std::string separator = DecimalSeparator();
  Jahr = StrToInt(FieldText(RichEdit_Jahr));
  Jahr = std::max(1900, std::min(2500, Jahr));
  Monat = StrToInt(FieldText(RichEdit_Monat));
  Daag = StrToInt(FieldText(RichEdit_Daag));
  Stunde = StrToFloat(FieldText(RichEdit_Stunde), separator);
  Minute = StrToFloat(FieldText(RichEdit_Minute), separator);
  Sekunde = StrToFloat(FieldText(RichEdit_Sekunde), separator);
  SetLocalMoment(Jahr, Monat, Daag, Stunde, Minute, Sekunde);
  ShowDateTime();
  UpdateTimeState();
}

void TForm_Main::UpdateTimeState() {
  DeriveFromUT(ComboBox_TZone->currentIndex());
  ShowDateTime();
  Button_ZeichnenClick(this);
}

void TForm_Main::ShowDateTime() {
  const TDateTimeTexts texts = DateTimeTexts(ComboBox_TZone->currentIndex(), DecimalSeparator());
  TFieldEdit* const fields[12] = {RichEdit_Jahr,    RichEdit_Monat,    RichEdit_Daag,    RichEdit_Stunde,
                                  RichEdit_Minute,  RichEdit_Sekunde,  RichEdit_Jahr_UT, RichEdit_Monat_UT,
                                  RichEdit_Daag_UT, RichEdit_Stunde_UT, RichEdit_Minute_UT, RichEdit_Sekunde_UT};
  for (std::size_t i = 0; i < texts.Fields.size(); ++i) fields[i]->setText(QString::fromStdString(texts.Fields[i]));
  for (std::size_t i = 0; i < texts.Panels.size(); ++i) StatusBar1->SetPanelText(static_cast<int>(i), texts.Panels[i]);
  ProcessMessages();
}
