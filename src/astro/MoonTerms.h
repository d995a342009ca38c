// Generated data: periodic terms of the truncated lunar theory (longitude and
// distance, latitude), 20 rows each. Do not edit by hand.
#pragma once

#include "platform/CheckedArray.h"

// Multiples of D, M, M', F; longitude coefficient (degrees, times sine), whether it
// takes the eccentricity factor E; distance coefficient (km, times cosine), if any.
struct MoonLonDistTerm {
  int D, M, Mp, F;
  double Lon;
  bool TimesE;
  bool HasDist;
  double Dist;
};

// Multiples of D, M, M', F; latitude coefficient (degrees, times sine), whether it
// takes the eccentricity factor E.
struct MoonLatTerm {
  int D, M, Mp, F;
  double Lat;
  bool TimesE;
};

inline constexpr tv::CheckedArray<MoonLonDistTerm, 1, 20> MoonLonDistTerms{{{
    {0, 0, 1, 0, 6.288774, false, true, -20905.355},
    {2, 0, -1, 0, 1.274027, false, true, -3699.111},
    {2, 0, 0, 0, 0.658314, false, true, -2955.968},
    {0, 0, 2, 0, 0.213618, false, true, -569.925},
    {0, 1, 0, 0, -0.185116, true, true, 48.888},
    {0, 0, 0, 2, -0.114332, false, true, -3.149},
    {2, 0, -2, 0, 0.058793, false, true, 246.158},
    {2, -1, -1, 0, 0.057066, true, true, -152.138},
    {2, 0, 1, 0, 0.053322, false, true, -170.733},
    {2, -1, 0, 0, 0.045758, true, true, -204.586},
    {0, 1, -1, 0, -0.040923, true, true, -129.62},
    {1, 0, 0, 0, -0.03472, false, true, 108.743},
    {0, 1, 1, 0, -0.030383, true, true, 104.755},
    {2, 0, 0, -2, 0.015327, false, true, 10.321},
    {0, 0, 1, 2, -0.012528, false, false, 0},
    {0, 0, 1, -2, 0.01098, false, true, 79.661},
    {4, 0, -1, 0, 0.010675, false, true, -34.782},
    {0, 0, 3, 0, 0.010034, false, true, -23.21},
    {4, 0, -2, 0, 0.008548, false, true, -21.636},
    {2, 1, -1, 0, -0.007888, true, true, 24.208},
}}};

inline constexpr tv::CheckedArray<MoonLatTerm, 1, 20> MoonLatTerms{{{
    {0, 0, 0, 1, 5.128122, false},
    {0, 0, 1, 1, 0.280602, false},
    {0, 0, 1, -1, 0.277693, false},
    {2, 0, 0, -1, 0.173237, false},
    {2, 0, -1, 1, 0.055413, false},
    {2, 0, -1, -1, 0.046271, false},
    {2, 0, 0, 1, 0.032573, false},
    {0, 0, 2, 1, 0.017198, false},
    {2, 0, 1, -1, 0.009266, false},
    {0, 0, 2, -1, 0.008822, false},
    {2, -1, 0, -1, 0.008216, true},
    {2, 0, -2, -1, 0.004324, false},
    {2, 0, 1, 1, 0.0042, false},
    {2, 1, 0, -1, -0.003359, true},
    {2, -1, -1, 1, 0.002463, true},
    {2, -1, 0, 1, 0.002211, true},
    {2, -1, -1, -1, 0.002065, true},
    {0, 1, -1, -1, -0.00187, true},
    {4, 0, -1, -1, 0.001828, false},
    {0, 1, 0, 1, -0.001794, true},
}}};
