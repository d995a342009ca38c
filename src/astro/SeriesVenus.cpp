// Venus's heliocentric series: the perturbations by Mercury, the Earth (with the
// elliptic terms), Mars, Jupiter and Saturn, and two long-period terms.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesVenusTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples 0..8 of Venus's mean anomaly; perturber table -8..0.
using TWork = TSeriesWork<0, 8, -8, 0>;

}  // namespace

void Series_Venus(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesVenusData;
  TWork W(T, Groups);

  const double M1 = Series_MeanAnomaly(Data::M1, T, P2);
  const double M2 = Series_MeanAnomaly(Data::M2, T, P2);
  const double M3 = Series_MeanAnomaly(Data::M3, T, P2);
  const double M4 = Series_MeanAnomaly(Data::M4, T, P2);
  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);

  W.FillOwn(M2);

  // The first group sets C[0], S[0]; the elliptic rows of the Earth group read them.
  W.SetPerturberZero();
  W.FillPerturber(M1, -2);
  W.ApplyRows(Data::Pert_Mercury);
  W.EndGroup("Pert_Mercury");

  W.FillPerturber(M3, -8);
  W.ApplyRows(Data::Pert_Earth);
  W.EndGroup("Pert_Earth");

  W.FillPerturber(M4, -3);
  W.ApplyRows(Data::Pert_Mars);
  W.EndGroup("Pert_Mars");

  W.FillPerturber(M5, -3);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  W.FillPerturber(M6, -1);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  // Long-period terms; the arguments are not reduced to one revolution.
  W.DL = W.DL + 2.74 * std::sin(P2 * (0.0764 + 0.4174 * T)) + 0.27 * std::sin(P2 * (0.9201 + 0.3307 * T));
  W.DL = W.DL + 1.9 + 1.8 * T;

  L = 360.0 * Series_Frac(0.3654783 + M2 / P2 + ((5071.2 + 1.1 * T) * T + W.DL) / 1296000.0);
  R = 0.7233482 - 0.0000002 * T + W.DR * 1E-6;
  B = (-67.7 + (0.04 + 0.01 * T) * T + W.DB) / 3600.0;
}

void Series_Venus(double T, double& L, double& B, double& R) { Series_Venus(T, L, B, R, nullptr); }
