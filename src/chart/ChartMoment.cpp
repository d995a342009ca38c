// The moment and place of a chart drawn without the main window.
#include "chart/ChartMoment.h"

#include "astro/Astronom.h"
#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"
#include "astro/astrolib.h"
#include "data/SharedState.h"

void SetChartMoment(double JD, double Lat, double Lon) {
  JD_UT = JD;
  JDToDate(Jahr_UT, Monat_UT, Daag_UT, Stunde_UT, Minute_UT, Sekunde_UT, JD_UT);
  GMST = PosMod(GMST_Rad(JD_UT) * Rad2Hour, 24.0);
  nLat = Lat;
  eLon = Lon;
  LAST = PosMod(GMST + eLon / 15.0, 24.0);
}
