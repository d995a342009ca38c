// Uranus's heliocentric series: the perturbations by Jupiter and Saturn, the elliptic
// terms with the perturbations by Neptune, and a group on the combined argument of
// Jupiter and Saturn. Radius sums in units of 1e-5 AU.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesUranusTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples -2..7 of Uranus's mean anomaly; perturber table -8..0.
using TWork = TSeriesWork<-2, 7, -8, 0>;

}  // namespace

void Series_Uranus(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesUranusData;
  TWork W(T, Groups);

  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);
  const double M7 = Series_MeanAnomaly(Data::M7, T, P2);
  const double M8 = Series_MeanAnomaly(Data::M8, T, P2);

  W.FillOwn(M7);

  // The first group sets C[0], S[0]; the elliptic rows of the Neptune group read them.
  W.SetPerturberZero();
  W.FillPerturber(M5, -2);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  W.FillPerturber(M6, -4);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  W.FillPerturber(M8, -8);
  W.ApplyRows(Data::Pert_Neptune);
  W.EndGroup("Pert_Neptune");

  // Pert_JupSat: indices -4, -5, -6 hold the angles 2 M5 - 4 M6, 2 M5 - 5 M6 and
  // 2 M5 - 6 M6, built from index -4 downward by Saturn's anomaly.
  {
    W.C[-1] = std::cos(M6);
    W.S[-1] = -std::sin(M6);
    const double psi = -4.0 * M6 + 2.0 * M5;
    W.C[-4] = std::cos(psi);
    W.S[-4] = std::sin(psi);
    for (int k = -4; k >= -5; --k) Series_RotAdd(W.C[k], W.S[k], W.C[-1], W.S[-1], W.C[k - 1], W.S[k - 1]);
  }
  W.ApplyRows(Data::Pert_JupSat);
  W.EndGroup("Pert_JupSat");

  L = 360.0 * Series_Frac(0.4734843 + M7 / P2 + ((5082.3 + 34.2 * T) * T + W.DL) / 1296000.0);
  R = 19.211991 + (-0.000333 - 0.000005 * T) * T + W.DR * 1E-5;
  B = (-130.61 + (-0.54 + 0.04 * T) * T + W.DB) / 3600.0;
}

void Series_Uranus(double T, double& L, double& B, double& R) { Series_Uranus(T, L, B, R, nullptr); }
