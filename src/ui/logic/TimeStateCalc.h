// The computations of the window's time state, apart from its fields: the
// moment from a local date and time, everything derived from JD_UT, and the
// texts of the twelve date and time fields and the first four status panels.
// Writes JD_Local, JD_UT, Jahr .. Sekunde, Jahr_UT .. Sekunde_UT, GMST, LAST
// and TZoneOffset as each function says; reads TZones, DSTOffset and eLon.
// No Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A reading of the computer's local clock.
struct TSystemTime {
  std::int32_t Year = 0, Month = 0, Day = 0;
  std::int32_t Hour = 0, Minute = 0, Second = 0, Milliseconds = 0;
};

// The entry of TZones for the zone list's chosen index: max(0, ItemIndex);
// an index beyond 39 raises tv::ERangeError.
std::int32_t ZoneEntry(std::int32_t ItemIndex);

// A local moment as typed (fields outside their ranges fold into the Julian
// day): JD_Local from it, the local fields normalised from JD_Local, JD_UT :=
// JD_Local - TZoneOffset/24 - DSTOffset/24 with the offsets as they stand,
// the universal fields, GMST and LAST (hours, [0, 24)).
void SetLocalMoment(std::int32_t Year, std::int32_t Month, std::int32_t Day, double Hour, double Min,
                    double Sec);

// Everything from JD_UT, which is not written: TZoneOffset := TZones[ZoneEntry
// (ItemIndex)].Offset, JD_Local := (TZoneOffset/24 + JD_UT) + DSTOffset/24,
// GMST, LAST, the universal fields from JD_UT, the local fields from JD_Local.
void DeriveFromUT(std::int32_t ItemIndex);

// What the time display writes, in its order: the fields RichEdit_Jahr ..
// RichEdit_Sekunde, then RichEdit_Jahr_UT .. RichEdit_Sekunde_UT (the year as
// plain decimal, month and day two digits, hour, minute and second rounded to
// whole numbers and shown in two digits, so 59.5 s shows "60"), then status
// panels 0 to 3: the status text of TZones[ZoneEntry(ItemIndex)], "GMST:" and
// "LAST:" with the sidereal times to the second, "JD_UT:" with JD_UT to four
// decimals written with DecimalMark.
struct TDateTimeTexts {
  std::array<std::string, 12> Fields;
  std::array<std::string, 4> Panels;
};
TDateTimeTexts DateTimeTexts(std::int32_t ItemIndex, std::string_view DecimalMark);
