// Jupiter's heliocentric series: the elliptic terms and the perturbations by Saturn,
// the perturbations by Uranus and the great-inequality term of Jupiter, Saturn and
// Uranus. Radius sums in units of 1e-5 AU.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesJupiterTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples -1..5 of Jupiter's mean anomaly; perturber table -10..0.
using TWork = TSeriesWork<-1, 5, -10, 0>;

}  // namespace

void Series_Jupiter(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesJupiterData;
  TWork W(T, Groups);

  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);
  const double M7 = Series_MeanAnomaly(Data::M7, T, P2);

  W.FillOwn(M5);

  // The Saturn group holds the elliptic terms (I = 0) and sets C[0], S[0] for both groups.
  W.SetPerturberZero();
  W.FillPerturber(M6, -10);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  // Indices -3..-10 keep Saturn's values; no Uranus row reads them.
  W.FillPerturber(M7, -2);
  W.ApplyRows(Data::Pert_Uranus);
  W.EndGroup("Pert_Uranus");

  // Pert_JupSatUra: argument 2 M5 - 6 M6 + 3 M7, then that plus M5.
  {
    const double phi = 2.0 * M5 - 6.0 * M6 + 3.0 * M7;
    double c = std::cos(phi);
    double s = std::sin(phi);
    W.DL = W.DL - 0.8 * c + 8.5 * s;
    W.DR = W.DR - 0.1 * c;
    Series_RotAdd(c, s, W.C_own[1], W.S_own[1], c, s);
    W.DL = W.DL + 0.4 * c + 0.5 * s;
    W.DR = W.DR - 0.7 * c + 0.5 * s;
    W.DB = W.DB - 0.1 * c;
  }
  W.EndGroup("Pert_JupSatUra");

  L = 360.0 * Series_Frac(0.038891 + M5 / P2 + ((5025.2 + 0.8 * T) * T + W.DL) / 1296000.0);
  R = 5.208873 + 0.000041 * T + W.DR * 1E-5;
  B = (227.3 - 0.3 * T + W.DB) / 3600.0;
}

void Series_Jupiter(double T, double& L, double& B, double& R) { Series_Jupiter(T, L, B, R, nullptr); }
