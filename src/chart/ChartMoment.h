// The moment and place of a chart drawn without the main window (render
// tool, checks, benchmarks): sets the parts of the time state that a draw
// request reads, the way the main window's time state does for the program.
// Writes JD_UT, GMST, LAST, Jahr_UT .. Sekunde_UT, nLat and eLon.
#pragma once

// JD_UT := JD (a universal-time Julian day); GMST and LAST in hours [0, 24);
// the universal-time calendar fields from JD (Stunde_UT and Minute_UT whole
// numbers, Sekunde_UT with milliseconds); nLat := Lat and eLon := Lon
// (degrees, north and east positive).
void SetChartMoment(double JD, double Lat, double Lon);
