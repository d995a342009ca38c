// Start-up steps that fill the built-in time-zone and text tables of the shared
// state (TZones, MonthNames, MonthAbbrevs, Texts) from the generated data.
// Writes LoopI as the record counter.
#pragma once

// Fills TZones[0..39] in index order: offset (hours), name (9 characters),
// status text. Run once by the data module's start-up.
void Init_TZones();

// Fills MonthNames[0..35] and MonthAbbrevs[0..35] (index (month - 1) * 3 +
// language), then Texts[1..44][0..2], each row German, English, French. Rows
// 45 to 50 stay empty. Run once by the data module's start-up.
void Init_Texts();
