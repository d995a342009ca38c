// Coordinate conversion and low-precision Moon: the per-star cost of the star
// layer (EquToHor over a catalogue-sized loop) and one Moon place.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <vector>

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SunMoon.h"
#include "astro/TrigFunc.h"
#include "astro/astrolib.h"
#include "data/SharedState.h"

namespace {

constexpr int kCatalogueStars = 2849;

struct Place {
  double RA, Dec;
};

std::vector<Place> CatalogueSizedSky() {
  std::mt19937 rng(2849);
  std::uniform_real_distribution<double> ra(0, Pi2);
  std::uniform_real_distribution<double> sinDec(-1, 1);
  std::vector<Place> sky(kCatalogueStars);
  for (Place& p : sky) p = {ra(rng), std::asin(sinDec(rng))};
  return sky;
}

void BM_EquToHor_Catalogue(benchmark::State& state) {
  const std::vector<Place> sky = CatalogueSizedSky();
  const double jd = 2460400.75;
  GMST = PosMod(GMST_Rad(jd) * Rad2Hour, 24);
  const double lon = 13.4 * Deg2Rad, lat = 52.5 * Deg2Rad;
  for (auto _ : state) {
    for (const Place& p : sky) {
      EquToHor(jd, p.RA, p.Dec, lon, lat, HorAlt, HorAzi);
      benchmark::DoNotOptimize(HorAlt);
      benchmark::DoNotOptimize(HorAzi);
    }
  }
  state.SetItemsProcessed(state.iterations() * kCatalogueStars);
}
BENCHMARK(BM_EquToHor_Catalogue);

void BM_Moon_Ecliptic(benchmark::State& state) {
  // The Moon-path layer's samples: 86 places a third of a day apart.
  int sample = 0;
  for (auto _ : state) {
    Moon_Ecliptic(2460400.75 + sample / 3.0, MoonLon, MoonLat, MoonDist);
    benchmark::DoNotOptimize(MoonLon);
    benchmark::DoNotOptimize(MoonLat);
    benchmark::DoNotOptimize(MoonDist);
    sample = sample == 85 ? 0 : sample + 1;
  }
}
BENCHMARK(BM_Moon_Ecliptic);

}  // namespace
