// Generated data: heliocentric motion of the planets for the light-time and aberration
// step. Do not edit by hand. Made by a transcription script from the rate table.
// Rates are Const + sum over k of Cos[k] cos kM + Sin[k] sin kM (k = 1..4), with
// M = P2 * Series_Frac(C0 + C1 * T); dL and dB in 1e-4 radian per day, dR in 1e-4 AU per day.
// Included only by HelioToGeo.cpp.
#pragma once

#include "platform/CheckedArray.h"

namespace HelioToGeoData {

struct TRateTerms {
  double Const;
  double Cos[5];  // index k = 1..4; index 0 unused
  double Sin[5];
};

struct TPlanetRates {
  bool HasRates;  // false: no heliocentric motion (Sun; the Earth takes the Sun's rates)
  double C0, C1;  // mean anomaly: revolutions, revolutions per Julian century
  TRateTerms dL, dR, dB;
};

// Indexed by IPlan: 0 Sun, 1 Mercury, 2 Venus, 3 Earth, 4 Mars, 5 Jupiter, 6 Saturn,
// 7 Uranus, 8 Neptune, 9 Pluto.
inline constexpr tv::CheckedArray<TPlanetRates, 0, 9> PlanetRates{{{
    {false, 0.0, 0.0, {0.0, {}, {}}, {0.0, {}, {}}, {0.0, {}, {}}},  // 0 Sun
    // 1 Mercury: dL = 714.00 + 292.66 cos M + 71.96 cos 2M + 18.16 cos 3M + 4.61 cos 4M + 3.81 sin 2M + 2.43 sin 3M + 1.08 sin 4M; dR = 55.94 sin M + 11.36 sin 2M + 2.60 sin 3M; dB = 73.40 cos M + 29.82 cos 2M + 10.22 cos 3M + 3.28 cos 4M - 40.44 sin M - 16.55 sin 2M - 5.56 sin 3M - 1.72 sin 4M
    {true, 0.4855407, 415.2014314,
     {714.00, {0.0, 292.66, 71.96, 18.16, 4.61}, {0.0, 0.0, 3.81, 2.43, 1.08}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 55.94, 11.36, 2.60, 0.0}},
     {0.0, {0.0, 73.40, 29.82, 10.22, 3.28}, {0.0, -40.44, -16.55, -5.56, -1.72}}},
    // 2 Venus: dL = 280.00 + 3.79 cos M; dR = 1.37 sin M; dB = 9.54 cos M - 13.57 sin M
    {true, 0.1400197, 162.5494552,
     {280.00, {0.0, 3.79, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 1.37, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 9.54, 0.0, 0.0, 0.0}, {0.0, -13.57, 0.0, 0.0, 0.0}}},
    {false, 0.0, 0.0, {0.0, {}, {}}, {0.0, {}, {}}, {0.0, {}, {}}},  // 3 Earth
    // 4 Mars: dL = 91.50 + 17.07 cos M + 2.03 cos 2M; dR = 12.98 sin M + 1.21 cos 2M; dB = 0.83 cos M + 2.80 sin M
    {true, 0.0538553, 53.1662736,
     {91.50, {0.0, 17.07, 2.03, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 1.21, 0.0, 0.0}, {0.0, 12.98, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.83, 0.0, 0.0, 0.0}, {0.0, 2.80, 0.0, 0.0, 0.0}}},
    // 5 Jupiter: dL = 14.50 + 1.41 cos M; dR = 3.66 sin M; dB = 0.33 sin M
    {true, 0.0565314, 8.4302963,
     {14.50, {0.0, 1.41, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 3.66, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 0.33, 0.0, 0.0, 0.0}}},
    // 6 Saturn: dL = 5.84 + 0.65 cos M; dR = 3.09 sin M; dB = 0.24 cos M
    {true, 0.8829867, 3.3947688,
     {5.84, {0.0, 0.65, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 3.09, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.24, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}}},
    // 7 Uranus: dL = 2.05 + 0.19 cos M; dR = 1.86 sin M; dB = -0.03 sin M
    {true, 0.3967117, 1.1902849,
     {2.05, {0.0, 0.19, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 1.86, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, -0.03, 0.0, 0.0, 0.0}}},
    // 8 Neptune: dL = 1.04 + 0.02 cos M; dR = 0.27 sin M; dB = 0.03 sin M
    {true, 0.7214906, 0.6068526,
     {1.04, {0.0, 0.02, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 0.27, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 0.03, 0.0, 0.0, 0.0}}},
    // 9 Pluto: dL = 0.69 + 0.34 cos M + 0.12 cos 2M + 0.05 cos 3M; dR = 6.66 sin M + 1.64 sin 2M; dB = -0.08 cos M - 0.17 sin M - 0.09 sin 2M
    {true, 0.0385795, 0.4026667,
     {0.69, {0.0, 0.34, 0.12, 0.05, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
     {0.0, {0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 6.66, 1.64, 0.0, 0.0}},
     {0.0, {0.0, -0.08, 0.0, 0.0, 0.0}, {0.0, -0.17, -0.09, 0.0, 0.0}}},
}}};

}  // namespace HelioToGeoData
