// Mars's heliocentric series: the perturbations by Venus, the Earth (with the
// elliptic terms), Jupiter and Saturn, and four long-period terms.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesMarsTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples -2..16 of Mars's mean anomaly; perturber table -9..0.
using TWork = TSeriesWork<-2, 16, -9, 0>;

}  // namespace

void Series_Mars(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesMarsData;
  TWork W(T, Groups);

  const double M2 = Series_MeanAnomaly(Data::M2, T, P2);
  const double M3 = Series_MeanAnomaly(Data::M3, T, P2);
  const double M4 = Series_MeanAnomaly(Data::M4, T, P2);
  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);

  W.FillOwn(M4);

  // The first group sets C[0], S[0]; the elliptic rows of the Earth group read them.
  W.SetPerturberZero();
  W.FillPerturber(M2, -2);
  W.ApplyRows(Data::Pert_Venus);
  W.EndGroup("Pert_Venus");

  W.FillPerturber(M3, -9);
  W.ApplyRows(Data::Pert_Earth);
  W.EndGroup("Pert_Earth");

  W.FillPerturber(M5, -5);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  W.FillPerturber(M6, -4);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  // Long-period terms, in this order; the arguments are not reduced to one revolution.
  W.DL = W.DL + 52.49 * std::sin(P2 * (0.1868 + 0.0549 * T)) + 0.61 * std::sin(P2 * (0.922 + 0.3307 * T)) +
         0.32 * std::sin(P2 * (0.4731 + 2.1485 * T)) + 0.28 * std::sin(P2 * (0.9467 + 0.1133 * T));
  W.DL = W.DL + 0.14 + 0.87 * T - 0.11 * T * T;

  L = 360.0 * Series_Frac(0.9334591 + M4 / P2 + ((6615.5 + 1.1 * T) * T + W.DL) / 1296000.0);
  R = 1.5303352 + 0.0000131 * T + W.DR * 1E-6;
  B = (596.32 + (-2.92 - 0.1 * T) * T + W.DB) / 3600.0;
}

void Series_Mars(double T, double& L, double& B, double& R) { Series_Mars(T, L, B, R, nullptr); }
