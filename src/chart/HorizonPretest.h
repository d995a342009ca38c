// A quick double-precision test of whether a catalogue place stands clearly
// below an altitude limit at the moment drawn, so that the star and figure
// layers can pass over places they would not paint without the full
// conversion. Reads GMST (hours), like EquToHor. Header-only.
#pragma once

#include <cmath>

#include "astro/DivProcs.h"
#include "data/SharedState.h"

class THorizonPretest {
 public:
  // Lon, Lat: the observer's place, radians (east and north positive);
  // Limit: the altitude limit, radians. Reads GMST now.
  THorizonPretest(double Lon, double Lat, double Limit)
      : SinLat_(std::sin(Lat)),
        CosLat_(std::cos(Lat)),
        Theta_(GMST * Hour2Rad + Lon),
        SinLimit_(std::sin(Limit) - Margin) {}

  // True when the place (RA, Dec, radians) lies below the limit by far more
  // than the rounding of any conversion: its exact altitude is then below the
  // limit too. False for everything else, including places near the limit.
  bool ClearlyBelow(double RA, double Dec) const {
    const double SinAlt = SinLat_ * std::sin(Dec) + CosLat_ * std::cos(Dec) * std::cos(Theta_ - RA);
    return SinAlt < SinLimit_;
  }

 private:
  // Far above the few units of the last place this formula and the
  // conversion can differ by, far below anything visible (1e-9 rad is about
  // a millionth of a pixel).
  static constexpr double Margin = 1e-9;
  double SinLat_, CosLat_, Theta_, SinLimit_;
};
