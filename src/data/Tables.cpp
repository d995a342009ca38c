#include "data/Tables.h"

#include "data/BuiltInTexts.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"

void Init_TZones() {
  for (LoopI = 0; LoopI <= 39; LoopI = tv::CheckedAdd(LoopI, 1)) {
    const BuiltIn::TZoneRow& row = BuiltIn::TZoneRows[LoopI];
    TZones[LoopI].Offset = row.Offset;
    TZones[LoopI].Name = row.Name;
    TZones[LoopI].StatusText = row.StatusText;
  }
}

void Init_Texts() {
  for (LoopI = 0; LoopI <= 35; LoopI = tv::CheckedAdd(LoopI, 1))
    MonthNames[LoopI] = BuiltIn::MonthNameRows[LoopI];
  for (LoopI = 0; LoopI <= 35; LoopI = tv::CheckedAdd(LoopI, 1))
    MonthAbbrevs[LoopI] = BuiltIn::MonthAbbrevRows[LoopI];
  for (LoopI = 1; LoopI <= 44; LoopI = tv::CheckedAdd(LoopI, 1))
    for (LoopJ = 0; LoopJ <= 2; LoopJ = tv::CheckedAdd(LoopJ, 1))
      Texts[LoopI][LoopJ] = BuiltIn::TextRows[LoopI][LoopJ];
}
