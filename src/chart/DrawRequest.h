// The chart part of a draw request: the Sun series for JD_UT, then every chart
// layer in one fixed order, read from one table, with the inner-planet repaint
// rule after the Sun and the hooks the main window fills (the surface covered
// and the event pump of the background layer, the body-table fill before the
// credits). The one render path of the program: the main window, the render
// tool, the checks and the benchmark all draw through Draw_Chart. Writes SunLon, SunLat,
// SunDist and, through the layers, BodyTable and the last-result globals.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/canvas/Canvas.h"

// The window's parts of a draw request.
struct TDrawHooks {
  // Runs once the background layer's copy has covered every pixel of the
  // drawing surface, before its event pump: from here on the surface holds
  // nothing of what it held before the request. Empty: nothing runs.
  std::function<void()> SurfaceCovered;
  // The application's event pump, run once by the background layer after its
  // copy; a nested draw request may run inside it. Empty: nothing runs.
  std::function<void()> ProcessMessages;
  // Fills the body table into the window's grid; runs after the compass
  // letters and before the credits, paints nothing on the chart. Empty: skipped.
  std::function<void()> FillDataTable;
};

// One step of a draw request: a name for reports and benchmarks, and the
// procedure, which gets the drawing canvas, the background picture's canvas
// and the hooks.
struct TChartLayer {
  std::string_view Name;
  void (*Run)(tv::TCanvas& Image, tv::TCanvas& Background, const TDrawHooks& Hooks);
};

// The steps of one draw request, in the order they run: Series_Sun, the
// background, altitude circles, cross, figures, stars, abbreviations, Moon
// path, ecliptic, Neptune inward to Mercury, the Sun, the inner-planet repaint
// rule, the Moon, horizon mask, Sun marker, compass letters, the body-table
// fill and the credits.
std::span<const TChartLayer> ChartLayers();

enum class TInnerPlanet { Mercury, Venus };

// The planets painted again after the Sun, in order, for Mercury's and
// Venus's geocentric distances (AU): Mercury when nearer than 1 AU, then
// Venus when nearer than 1 AU, then Mercury once more when nearer than Venus
// and than 1 AU. All comparisons strict; 1 AU exactly is not near.
std::vector<TInnerPlanet> InnerPlanetRepaints(double MercuryDist, double VenusDist);

// Runs every step of ChartLayers() in order on Image (the 2000 x 2000 drawing
// bitmap); Background is the background picture's canvas, copied one to one
// by the first layer (what it does not cover becomes black). Reads the time state
// (JD_UT, GMST, Jahr_UT .. Stunde_UT), the place (nLat, eLon), Language and
// the built-in tables as the caller left them; derives no time state itself.
// An error raised by a step ends the request there and passes to the caller.
void Draw_Chart(tv::TCanvas& Image, tv::TCanvas& Background, const TDrawHooks& Hooks = {});
