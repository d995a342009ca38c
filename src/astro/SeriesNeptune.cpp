// Neptune's heliocentric series: the perturbations by Jupiter and Saturn and the
// elliptic terms with the perturbations by Uranus. Radius sums in units of 1e-5 AU.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesNeptuneTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples 0..6 of Neptune's mean anomaly; perturber table -6..0.
using TWork = TSeriesWork<0, 6, -6, 0>;

}  // namespace

void Series_Neptune(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesNeptuneData;
  TWork W(T, Groups);

  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);
  const double M7 = Series_MeanAnomaly(Data::M7, T, P2);
  const double M8 = Series_MeanAnomaly(Data::M8, T, P2);

  W.FillOwn(M8);

  // Every group has a row with I = 0 and sets C[0], S[0] itself.
  W.SetPerturberZero();
  W.FillPerturber(M5, -2);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  W.SetPerturberZero();
  W.FillPerturber(M6, -2);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  W.SetPerturberZero();
  W.FillPerturber(M7, -6);
  W.ApplyRows(Data::Pert_Uranus);
  W.EndGroup("Pert_Uranus");

  L = 360.0 * Series_Frac(0.1254046 + M8 / P2 + ((4982.8 - 21.3 * T) * T + W.DL) / 1296000.0);
  R = 30.072984 + (0.001234 + 0.000003 * T) * T + W.DR * 1E-5;
  B = (54.77 + (0.26 + 0.06 * T) * T + W.DB) / 3600.0;
}

void Series_Neptune(double T, double& L, double& B, double& R) { Series_Neptune(T, L, B, R, nullptr); }
