// The analytic series and the geocentric reduction: all nine bodies' apparent
// places for one moment (what one chart draw needs), one body over 10,000 moments,
// and single series evaluations.
#include <benchmark/benchmark.h>

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/Series.h"
#include "astro/SeriesPlace.h"
#include "astro/SunMoon.h"

namespace {

constexpr double kJD = 2460310.5;  // 2024-01-01 0h

// One draw's worth: the Sun series once, then the Sun and the seven planets through
// the reduction, and the low-precision Moon as the Moon layer computes it.
void BM_AllNineBodiesOneMoment(benchmark::State& state) {
  const TSeriesBody Bodies[] = {TSeriesBody::Neptune, TSeriesBody::Uranus,  TSeriesBody::Saturn,
                                TSeriesBody::Jupiter, TSeriesBody::Mars,    TSeriesBody::Venus,
                                TSeriesBody::Mercury, TSeriesBody::Sun};
  double JD = kJD;
  for (auto _ : state) {
    const double T = SeriesCenturies(JD);
    const TEclipticPlace Sun = SeriesPlace(TSeriesBody::Sun, T);
    for (TSeriesBody Body : Bodies) benchmark::DoNotOptimize(ApparentPlaceOfDate(Body, T, Sun));
    double Lon, Lat, Dist, RA, Dec;
    Moon_Ecliptic(JD, Lon, Lat, Dist);
    EclToEqu(Lon, Lat, 23.438 * Deg2Rad, RA, Dec);
    benchmark::DoNotOptimize(RA);
    benchmark::DoNotOptimize(Dec);
    JD += 1e-6;
  }
}
BENCHMARK(BM_AllNineBodiesOneMoment)->Unit(benchmark::kMicrosecond);

// One body over 10,000 moments a day apart (about 27 years), Sun series included.
void BM_OneBodyTenThousandMoments(benchmark::State& state) {
  const auto Body = static_cast<TSeriesBody>(state.range(0));
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) benchmark::DoNotOptimize(ApparentPlace(Body, kJD + i));
  }
}
BENCHMARK(BM_OneBodyTenThousandMoments)
    ->Arg(static_cast<int>(TSeriesBody::Mars))
    ->Arg(static_cast<int>(TSeriesBody::Saturn))
    ->Unit(benchmark::kMillisecond);

void BM_Series(benchmark::State& state) {
  using TFn = void (*)(double, double&, double&, double&);
  const TFn Fns[] = {Series_Sun,     Series_Mercury, Series_Venus,  Series_Mars,
                     Series_Jupiter, Series_Saturn,  Series_Uranus, Series_Neptune};
  const TFn Fn = Fns[state.range(0)];
  double T = 0.24;
  for (auto _ : state) {
    double L, B, R;
    Fn(T, L, B, R);
    benchmark::DoNotOptimize(L);
    benchmark::DoNotOptimize(B);
    benchmark::DoNotOptimize(R);
    T += 1e-9;
  }
}
BENCHMARK(BM_Series)->DenseRange(0, 7)->Unit(benchmark::kNanosecond);

}  // namespace
