#include "astro/SeriesPlace.h"

#include "astro/HelioToGeo.h"
#include "astro/Series.h"

double SeriesCenturies(double JD) { return (JD - 2451545.0) / 36525.0; }

TEclipticPlace SeriesPlace(TSeriesBody Body, double T) {
  TEclipticPlace P;
  switch (Body) {
    case TSeriesBody::Sun: Series_Sun(T, P.L, P.B, P.R); break;
    case TSeriesBody::Mercury: Series_Mercury(T, P.L, P.B, P.R); break;
    case TSeriesBody::Venus: Series_Venus(T, P.L, P.B, P.R); break;
    case TSeriesBody::Mars: Series_Mars(T, P.L, P.B, P.R); break;
    case TSeriesBody::Jupiter: Series_Jupiter(T, P.L, P.B, P.R); break;
    case TSeriesBody::Saturn: Series_Saturn(T, P.L, P.B, P.R); break;
    case TSeriesBody::Uranus: Series_Uranus(T, P.L, P.B, P.R); break;
    case TSeriesBody::Neptune: Series_Neptune(T, P.L, P.B, P.R); break;
  }
  return P;
}

TApparentPlace ApparentPlaceOfDate(TSeriesBody Body, double T, const TEclipticPlace& Sun) {
  // The Sun sits at the heliocentric origin; a planet brings its own series place.
  const TEclipticPlace Helio = Body == TSeriesBody::Sun ? TEclipticPlace{} : SeriesPlace(Body, T);

  double XP, YP, ZP, XS, YS, ZS, X, Y, Z, Delta0;
  Helio_To_Geo(T, Helio.L, Helio.B, Helio.R, Sun.L, Sun.B, Sun.R, static_cast<std::int32_t>(Body), 2, XP, YP, ZP, XS,
               YS, ZS, X, Y, Z, Delta0);
  Ecliptic_To_Equator(T, X, Y, Z);
  Apply_Nutation(T, X, Y, Z);

  TApparentPlace A;
  Cart_To_Polar(XP, YP, ZP, A.HelioDist, A.HelioLat, A.HelioLon);
  double Length, RA_Deg;
  Cart_To_Polar(X, Y, Z, Length, A.Dec, RA_Deg);
  A.RA = RA_Deg / 15.0;
  A.Delta0 = Delta0;
  return A;
}

TApparentPlace ApparentPlace(TSeriesBody Body, double JD) {
  const double T = SeriesCenturies(JD);
  return ApparentPlaceOfDate(Body, T, SeriesPlace(TSeriesBody::Sun, T));
}
