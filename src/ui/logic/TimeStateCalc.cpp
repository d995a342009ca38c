#include "ui/logic/TimeStateCalc.h"

#include "astro/Astronom.h"
#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"
#include "astro/astrolib.h"
#include "data/SharedState.h"
#include "ui/logic/FixedText.h"

namespace {

// GMST and LAST for JD_UT and eLon, hours in [0, 24).
void SetSiderealTimes() {
  GMST = PosMod(GMST_Rad(JD_UT) * Rad2Hour, 24);
  LAST = PosMod(eLon / 15 + GMST, 24);
}

}  // namespace

std::int32_t ZoneEntry(std::int32_t ItemIndex) {
  const std::int32_t i = ItemIndex < 0 ? 0 : ItemIndex;
  (void)TZones[i];  // the bounds check of the zone table
  return i;
}

void SetLocalMoment(std::int32_t Year, std::int32_t Month, std::int32_t Day, double Hour, double Min,
                    double Sec) {
  DateToJD(Year, Month, Day, Hour, Min, Sec, JD_Local);
  JDToDate(Jahr, Monat, Daag, Stunde, Minute, Sekunde, JD_Local);
  JD_UT = (JD_Local - TZoneOffset / 24) - DSTOffset / 24;
  JDToDate(Jahr_UT, Monat_UT, Daag_UT, Stunde_UT, Minute_UT, Sekunde_UT, JD_UT);
  SetSiderealTimes();
}

void DeriveFromUT(std::int32_t ItemIndex) {
  TZoneOffset = TZones[ZoneEntry(ItemIndex)].Offset;
  JD_Local = (TZoneOffset / 24 + JD_UT) + DSTOffset / 24;
  SetSiderealTimes();
  JDToDate(Jahr_UT, Monat_UT, Daag_UT, Stunde_UT, Minute_UT, Sekunde_UT, JD_UT);
  JDToDate(Jahr, Monat, Daag, Stunde, Minute, Sekunde, JD_Local);
}

TDateTimeTexts DateTimeTexts(std::int32_t ItemIndex, std::string_view DecimalMark) {
  TDateTimeTexts t;
  t.Fields = {std::to_string(Jahr),    TwoDigits(Monat),    TwoDigits(Daag),
              TwoDigits(Stunde),       TwoDigits(Minute),   TwoDigits(Sekunde),
              std::to_string(Jahr_UT), TwoDigits(Monat_UT), TwoDigits(Daag_UT),
              TwoDigits(Stunde_UT),    TwoDigits(Minute_UT), TwoDigits(Sekunde_UT)};
  t.Panels = {TZones[ZoneEntry(ItemIndex)].StatusText, "GMST:" + FormatSexagesimal(GMST, 0),
              "LAST:" + FormatSexagesimal(LAST, 0), "JD_UT:" + FormatFixed(JD_UT, 4, 15, DecimalMark)};
  return t;
}
