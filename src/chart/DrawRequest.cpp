// The draw request's layer table and its runner.
#include "chart/DrawRequest.h"

#include <array>

#include "astro/Series.h"
#include "astro/SeriesPlace.h"
#include "chart/ChartFrame.h"
#include "chart/ChartSurface.h"
#include "chart/ConstellationLayers.h"
#include "chart/MoonLayer.h"
#include "chart/PlanetLayers.h"
#include "chart/StarLayer.h"
#include "chart/SunLayers.h"
#include "chart/TrackLayers.h"
#include "data/SharedState.h"

namespace {

// Adapts a layer that takes only the canvas to a table step.
template <void (*Layer)(tv::TCanvas&)>
void Plain(tv::TCanvas& Image, tv::TCanvas&, const TDrawHooks&) {
  Layer(Image);
}

// The Sun series for the moment, once per request before any layer; the
// planet layers, the Sun layer and the Moon layer read its result.
void SunSeriesStep(tv::TCanvas&, tv::TCanvas&, const TDrawHooks&) {
  Series_Sun(SeriesCenturies(JD_UT), SunLon, SunLat, SunDist);
}

// The surface is covered when the layer's copy is done, before its event pump.
void BackgroundStep(tv::TCanvas& Image, tv::TCanvas& Background, const TDrawHooks& Hooks) {
  Draw_Background(Image, Background, [&Hooks] {
    if (Hooks.SurfaceCovered) Hooks.SurfaceCovered();
    if (Hooks.ProcessMessages) Hooks.ProcessMessages();
  });
}

// Mercury and Venus again over the Sun's disc where they are nearer than it,
// and Mercury over Venus when it is the nearer of the two.
void InnerPlanetRepaintStep(tv::TCanvas& Image, tv::TCanvas&, const TDrawHooks&) {
  for (TInnerPlanet Planet : InnerPlanetRepaints(BodyTable[brMercury][btDist], BodyTable[brVenus][btDist])) {
    if (Planet == TInnerPlanet::Mercury)
      Draw_Mercury(Image);
    else
      Draw_Venus(Image);
  }
}

void FillDataTableStep(tv::TCanvas&, tv::TCanvas&, const TDrawHooks& Hooks) {
  if (Hooks.FillDataTable) Hooks.FillDataTable();
}

constexpr std::array<TChartLayer, 24> LayerTable{{
    {"Series_Sun", SunSeriesStep},
    {"Draw_Background", BackgroundStep},
    {"Draw_AltCircles", Plain<Draw_AltCircles>},
    {"Draw_Cross", Plain<Draw_Cross>},
    {"Draw_ConstLines", Plain<Draw_ConstLines>},
    {"Draw_Stars", Plain<Draw_Stars>},
    {"Draw_ConstNames", Plain<Draw_ConstNames>},
    {"Draw_MoonPath", Plain<Draw_MoonPath>},
    {"Draw_Ecliptic", Plain<Draw_Ecliptic>},
    {"Draw_Neptune", Plain<Draw_Neptune>},
    {"Draw_Uranus", Plain<Draw_Uranus>},
    {"Draw_Saturn", Plain<Draw_Saturn>},
    {"Draw_Jupiter", Plain<Draw_Jupiter>},
    {"Draw_Mars", Plain<Draw_Mars>},
    {"Draw_Venus", Plain<Draw_Venus>},
    {"Draw_Mercury", Plain<Draw_Mercury>},
    {"Draw_Sun", Plain<Draw_Sun>},
    {"InnerPlanetRepaints", InnerPlanetRepaintStep},
    {"Draw_Moon", Plain<Draw_Moon>},
    {"Draw_HorizonMask", Plain<Draw_HorizonMask>},
    {"Draw_SunMarker", Plain<Draw_SunMarker>},
    {"Draw_HorizonLabels", Plain<Draw_HorizonLabels>},
    {"Fill_DataTable", FillDataTableStep},
    {"Draw_Credits", Plain<Draw_Credits>},
}};

}  // namespace

std::span<const TChartLayer> ChartLayers() { return LayerTable; }

std::vector<TInnerPlanet> InnerPlanetRepaints(double MercuryDist, double VenusDist) {
  std::vector<TInnerPlanet> Order;
  if (MercuryDist < 1.0) Order.push_back(TInnerPlanet::Mercury);
  if (VenusDist < 1.0) Order.push_back(TInnerPlanet::Venus);
  if (MercuryDist < VenusDist && MercuryDist < 1.0) Order.push_back(TInnerPlanet::Mercury);
  return Order;
}

void Draw_Chart(tv::TCanvas& Image, tv::TCanvas& Background, const TDrawHooks& Hooks) {
  for (const TChartLayer& Layer : LayerTable) Layer.Run(Image, Background, Hooks);
}
