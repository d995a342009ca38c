// Saturn's heliocentric series: the elliptic terms and the perturbations by Jupiter,
// the perturbations by Uranus and Neptune and the great-inequality term of Jupiter,
// Saturn and Uranus. Radius sums in units of 1e-5 AU.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesSaturnTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples 0..11 of Saturn's mean anomaly; perturber table -6..+1
// (the Jupiter group also has rows with I = +1).
using TWork = TSeriesWork<0, 11, -6, 1>;

}  // namespace

void Series_Saturn(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesSaturnData;
  TWork W(T, Groups);

  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);
  const double M7 = Series_MeanAnomaly(Data::M7, T, P2);
  const double M8 = Series_MeanAnomaly(Data::M8, T, P2);

  W.FillOwn(M6);

  // Jupiter's table starts at index +1 and runs down from 0 by the inverse rotation;
  // this group sets C[0], S[0] for all groups.
  W.SetPerturberZero();
  W.C[1] = std::cos(M5);
  W.S[1] = std::sin(M5);
  for (int k = 0; k >= -5; --k) Series_RotAdd(W.C[k], W.S[k], W.C[1], -W.S[1], W.C[k - 1], W.S[k - 1]);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  // Index -6 keeps Jupiter's value and +1 cos M5, sin M5; no Uranus row reads them.
  W.FillPerturber(M7, -5);
  W.ApplyRows(Data::Pert_Uranus);
  W.EndGroup("Pert_Uranus");

  W.FillPerturber(M8, -2);
  W.ApplyRows(Data::Pert_Neptune);
  W.EndGroup("Pert_Neptune");

  // Pert_JupSatUra: argument -2 M5 + 5 M6 - 3 M7, then that plus M6 and plus 2 M6.
  {
    const double phi = -2.0 * M5 + 5.0 * M6 - 3.0 * M7;
    double c = std::cos(phi);
    double s = std::sin(phi);
    W.DL = W.DL - 0.8 * c - 0.1 * s;
    W.DR = W.DR - 0.2 * c + 1.8 * s;
    W.DB = W.DB + 0.3 * c + 0.5 * s;
    Series_RotAdd(c, s, W.C_own[1], W.S_own[1], c, s);
    W.DL = W.DL + (2.4 - 0.7 * T) * c + (27.8 - 0.4 * T) * s;
    W.DR = W.DR + 2.1 * c - 0.2 * s;
    Series_RotAdd(c, s, W.C_own[1], W.S_own[1], c, s);
    W.DL = W.DL + 0.1 * c + 1.6 * s;
    W.DR = W.DR - 3.6 * c + 0.3 * s;
    W.DB = W.DB - 0.2 * c + 0.6 * s;
  }
  W.EndGroup("Pert_JupSatUra");

  L = 360.0 * Series_Frac(0.2561136 + M6 / P2 + ((5018.6 + 1.9 * T) * T + W.DL) / 1296000.0);
  R = 9.557584 - 0.000186 * T + W.DR * 1E-5;
  B = (175.1 - 10.2 * T + W.DB) / 3600.0;
}

void Series_Saturn(double T, double& L, double& B, double& R) { Series_Saturn(T, L, B, R, nullptr); }
