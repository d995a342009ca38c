// Helpers shared by the chart layer checks: the built-in tables loaded once,
// a moment and place set the way the draw request expects them, and a
// recording canvas filter.
#pragma once

#include <cmath>
#include <vector>

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

// The logged ellipses whose brush is solid and has colour Color.
inline std::vector<tv::TCanvasCall> FilledEllipses(const tv::TRecordingCanvas& Canvas, tv::TColor Color) {
  std::vector<tv::TCanvasCall> Found;
  for (const tv::TCanvasCall& Call : Canvas.CallsOf(tv::TCanvasOp::Ellipse))
    if (Call.Brush.Style == tv::TBrushStyle::bsSolid && Call.Brush.Color == Color) Found.push_back(Call);
  return Found;
}

// Centre of an ellipse's bounding box (right and bottom edges outside).
inline tv::TPoint BoxCentre(const tv::TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
