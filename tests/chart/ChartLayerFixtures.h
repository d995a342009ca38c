// Helpers shared by the chart layer checks: the built-in tables loaded once,
// a moment and place set the way the draw request expects them, and the
// centre of a logged ellipse.
#pragma once

#include <cmath>

#include "astro/DivProcs.h"
#include "chart/ChartMoment.h"
#include "data/Catalogue.h"
#include "data/SharedState.h"
#include "data/Tables.h"
#include "platform/canvas/RecordingCanvas.h"

// Fills Stars, ConstLines (with label places) and Texts from the built-in
// data; tests that replace entries call it again to restore them.
inline void LoadBuiltInTables() {
  Init_Stars();
  Init_ConstLines();
  Calc_ConstLabels();
  Init_Texts();
}

// Sets GMST so that the hour angle at longitude Lon (degrees) of right
// ascension RA (hours) is HourAngle (hours), and the place to (Lat, Lon).
inline void SetHourAngle(double RAHours, double HourAngle, double Lat, double Lon) {
  nLat = Lat;
  eLon = Lon;
  double g = std::fmod(RAHours + HourAngle - Lon / 15.0, 24.0);
  if (g < 0) g += 24.0;
  GMST = g;
}

// Centre of an ellipse's bounding box (right and bottom edges outside).
inline tv::TPoint BoxCentre(const tv::TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
