// The language switch: the ten captions that follow the language, the series
// panel and the chart in the chosen language.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "data/SharedState.h"
#include "ui/Tarvelsicht_Unit_Main.h"

void TForm_Main::Set_LanguageTexts() {
  struct TCaptionRow {
    QWidget* Control;
    int Row;            // row of Texts
    const char* After;  // appended to the text
  };
  const TCaptionRow rows[] = {
      {Button_Mitternacht, 7, ""}, {Label9, 8, "\r\n"},      {CheckBox_DST, 9, ""},    {Label_nLat, 14, ""},
      {Label_eLon, 15, ""},        {Button_Jetzt, 33, ""},   {Button_Mittag, 41, ""},  {CheckBox_Monat, 42, ""},
      {CheckBox_Quartal, 43, ""},  {CheckBox_Jahr, 44, ""},
  };
  for (const TCaptionRow& r : rows) SetCaption(r.Control, Texts[r.Row][Language] + r.After);
}

void TForm_Main::Deutsch1Click(QObject*) {
  Deutsch1->setChecked(true);
  Language = 0;
  Set_LanguageTexts();
  CheckBox_QuartalClick(this);
  Button_ZeichnenClick(this);
}

void TForm_Main::English1Click(QObject*) {
  English1->setChecked(true);
  Language = 1;
  Set_LanguageTexts();
  CheckBox_QuartalClick(this);
  Button_ZeichnenClick(this);
}

void TForm_Main::Francais1Click(QObject*) {
  Francais1->setChecked(true);
  Language = 2;
  Set_LanguageTexts();
  CheckBox_QuartalClick(this);
  Button_ZeichnenClick(this);
}
