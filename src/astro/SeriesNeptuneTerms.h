// Generated data: Neptune series term rows and mean anomalies. Do not edit by hand.
// Made by a transcription script from the series' coefficient tables; rows stay in their
// stored order and are never merged. Term columns: I1, I, IT, DLC, DLS, DRC, DRS, DBC, DBS
// (arcseconds; radius in the series' radius unit). Included only by SeriesNeptune.cpp.
#pragma once

#include <array>

#include "astro/Series.h"

namespace SeriesNeptuneData {

// Mean anomalies and arguments: c0 in revolutions, c1 in revolutions per Julian century.
inline constexpr TMeanAnomaly M5{0.0563867, 8.4298907};  // Jupiter
inline constexpr TMeanAnomaly M6{0.8825086, 3.3957748};  // Saturn
inline constexpr TMeanAnomaly M7{0.3965358, 1.1902851};  // Uranus
inline constexpr TMeanAnomaly M8{0.7214906, 0.6068526};  // Neptune

inline constexpr std::array<TSeriesTerm, 5> Pert_Jupiter{{
    {0, -1, 0, 0.1, 0.1, -3.0, 1.8, -0.3, -0.3},
    {1, 0, 0, 0.0, 0.0, -15.9, 9.0, 0.0, 0.0},
    {1, -1, 0, -17.6, -29.3, 416.1, -250.0, 0.0, 0.0},
    {1, -2, 0, -0.4, -0.7, 10.4, -6.2, 0.0, 0.0},
    {2, -1, 0, -0.2, -0.4, 2.4, -1.4, 0.4, -0.3},
}};

inline constexpr std::array<TSeriesTerm, 6> Pert_Saturn{{
    {0, -1, 0, -0.1, 0.0, 0.2, -1.8, -0.1, -0.5},
    {1, 0, 0, 0.0, 0.0, -8.3, -10.4, 0.0, 0.0},
    {1, -1, 0, 13.6, -12.7, 187.5, 201.1, 0.0, 0.0},
    {1, -2, 0, 0.4, -0.4, 4.5, 4.5, 0.0, 0.0},
    {2, -1, 0, 0.4, -0.1, 1.7, -3.2, 0.2, 0.2},
    {2, -2, 0, -0.1, 0.0, -0.2, 2.7, 0.0, 0.0},
}};

inline constexpr std::array<TSeriesTerm, 24> Pert_Uranus{{
    {1, 0, 0, 32.3, 3549.5, -25880.2, 235.8, -6360.5, 374.0},
    {1, 0, 1, 31.2, 34.4, -251.4, 227.4, 34.9, 29.3},
    {1, 0, 2, -1.4, 3.9, -28.6, -10.1, 0.0, -0.9},
    {2, 0, 0, 6.1, 68.0, -111.4, 2.0, -54.7, 3.7},
    {2, 0, 1, 0.8, -0.2, -2.1, 2.0, -0.2, 0.8},
    {3, 0, 0, 0.1, 1.0, -0.7, 0.0, -0.8, 0.1},
    {0, -1, 0, -0.1, -0.3, -3.6, 0.0, 0.0, 0.0},
    {1, 0, 0, 0.0, 0.0, 5.5, -6.9, 0.1, 0.0},
    {1, -1, 0, -2.2, -1.6, -116.3, 163.6, 0.0, -0.1},
    {1, -2, 0, 0.2, 0.1, -1.2, 0.4, 0.0, -0.1},
    {2, -1, 0, 4.2, -1.1, -4.4, -34.6, -0.2, 0.1},
    {2, -2, 0, 8.6, -2.9, -33.4, -97.0, 0.2, 0.1},
    {3, -1, 0, 0.1, -0.2, 2.1, -1.2, 0.0, 0.1},
    {3, -2, 0, -4.6, 9.3, 38.2, 19.8, 0.1, 0.1},
    {3, -3, 0, -0.5, 1.7, 23.5, 7.0, 0.0, 0.0},
    {4, -2, 0, 0.2, 0.8, 3.3, -1.5, -0.2, -0.1},
    {4, -3, 0, 0.9, 1.7, 17.9, -9.1, -0.1, 0.0},
    {4, -4, 0, -0.4, -0.4, -6.2, 4.8, 0.0, 0.0},
    {5, -3, 0, -1.6, -0.5, -2.2, 7.0, 0.0, 0.0},
    {5, -4, 0, -0.4, -0.1, -0.7, 5.5, 0.0, 0.0},
    {5, -5, 0, 0.2, 0.0, 0.0, -3.5, 0.0, 0.0},
    {6, -4, 0, -0.3, 0.2, 2.1, 2.7, 0.0, 0.0},
    {6, -5, 0, 0.1, -0.1, -1.4, -1.4, 0.0, 0.0},
    {6, -6, 0, -0.1, 0.1, 1.4, 0.7, 0.0, 0.0},
}};

}  // namespace SeriesNeptuneData
