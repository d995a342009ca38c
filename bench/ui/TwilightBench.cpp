// The twilight series: the worst year (astronomical twilight at 55 degrees
// north, where the summer nights send each day's walk back or on across up to
// three months) and a typical month, each as the window computes it and as the
// plain walk that computes every trial. Counters: trial moments walked,
// altitudes computed, and the time per trial walked.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

#include "ui/logic/TwilightSearch.h"

namespace {

TTwilightRequest Request(std::string_view Event, TSeriesPeriod Period, std::int32_t Index,
                         double Lat, double Lon, bool Plain) {
  const TTwilightEvent* e = FindTwilightEvent(Event);
  TTwilightRequest r;
  r.EventAlt = EventAltitude(*e);
  r.FirstStep = e->FirstStep;
  r.Period = Period;
  r.PeriodIndex = Index;
  r.Year = 2019;
  r.nLat = Lat;
  r.eLon = Lon;
  r.PlainWalk = Plain;
  return r;
}

void RunSeries(benchmark::State& State, const TTwilightRequest& r) {
  std::int64_t Trials = 0, Evaluations = 0;
  for (auto _ : State) {
    const TTwilightSeries s = FindTwilightSeries(r);
    Trials = s.Trials;
    Evaluations = s.Evaluations;
    benchmark::DoNotOptimize(s.Days.data());
  }
  State.counters["trials"] = static_cast<double>(Trials);
  State.counters["altitudes"] = static_cast<double>(Evaluations);
  State.counters["per_trial"] = benchmark::Counter(
      static_cast<double>(Trials), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_twilightYear55N_MorningAstro(benchmark::State& s) {
  RunSeries(s, Request("MAstrD", TSeriesPeriod::Year, 1, 55, 7.5, false));
}
void BM_twilightYear55N_EveningAstro(benchmark::State& s) {
  RunSeries(s, Request("AAstrD", TSeriesPeriod::Year, 1, 55, 7.5, false));
}
void BM_twilightYear55N_MorningAstro_Plain(benchmark::State& s) {
  RunSeries(s, Request("MAstrD", TSeriesPeriod::Year, 1, 55, 7.5, true));
}
void BM_twilightYear55N_EveningAstro_Plain(benchmark::State& s) {
  RunSeries(s, Request("AAstrD", TSeriesPeriod::Year, 1, 55, 7.5, true));
}
void BM_twilightMonth47N_EveningCivilJune(benchmark::State& s) {
  RunSeries(s, Request("ABurgD", TSeriesPeriod::Month, 6, 47.5, 7.5, false));
}
void BM_twilightMonth47N_EveningCivilJune_Plain(benchmark::State& s) {
  RunSeries(s, Request("ABurgD", TSeriesPeriod::Month, 6, 47.5, 7.5, true));
}

}  // namespace

BENCHMARK(BM_twilightYear55N_MorningAstro)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_twilightYear55N_EveningAstro)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_twilightYear55N_MorningAstro_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_twilightYear55N_EveningAstro_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_twilightMonth47N_EveningCivilJune)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_twilightMonth47N_EveningCivilJune_Plain)->Unit(benchmark::kMillisecond);
