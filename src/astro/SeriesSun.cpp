// The Sun's geocentric series: Earth's orbit perturbed by Venus, Mars, Jupiter and
// Saturn, the Moon's pull on the Earth and four long-period terms.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesSunTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples -1..7 of the Earth's mean anomaly; perturber table -8..0.
using TWork = TSeriesWork<-1, 7, -8, 0>;

}  // namespace

void Series_Sun(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesSunData;
  TWork W(T, Groups);

  const double M2 = Series_MeanAnomaly(Data::M2, T, P2);
  const double M3 = Series_MeanAnomaly(Data::M3, T, P2);
  const double M4 = Series_MeanAnomaly(Data::M4, T, P2);
  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);
  const double D = Series_MeanAnomaly(Data::D, T, P2);
  const double A = Series_MeanAnomaly(Data::A, T, P2);
  const double F = Series_MeanAnomaly(Data::F, T, P2);

  W.FillOwn(M3);

  // The Venus group also holds the elliptic terms (I = 0), so it sets C[0], S[0]
  // for all groups.
  W.SetPerturberZero();
  W.FillPerturber(M2, -6);
  W.ApplyRows(Data::Pert_Venus);
  W.EndGroup("Pert_Venus");

  W.FillPerturber(M4, -8);
  W.ApplyRows(Data::Pert_Mars);
  W.EndGroup("Pert_Mars");

  W.FillPerturber(M5, -4);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  W.FillPerturber(M6, -2);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  // Pert_Moon: the Earth's motion about the Earth-Moon barycentre.
  W.DL = W.DL + 6.45 * std::sin(D) - 0.42 * std::sin(D - A) + 0.18 * std::sin(D + A) + 0.17 * std::sin(D - M3) -
         0.06 * std::sin(D + M3);
  W.DR = W.DR + 30.76 * std::cos(D) - 3.06 * std::cos(D - A) + 0.85 * std::cos(D + A) - 0.58 * std::cos(D + M3) +
         0.57 * std::cos(D - M3);
  W.DB = W.DB + 0.576 * std::sin(F);

  // Long-period terms in longitude; the arguments are not reduced to one revolution.
  W.DL = W.DL + 6.4 * std::sin(P2 * (0.6983 + 0.0561 * T)) + 1.87 * std::sin(P2 * (0.5764 + 0.4174 * T)) +
         0.27 * std::sin(P2 * (0.4189 + 0.3306 * T)) + 0.2 * std::sin(P2 * (0.3581 + 2.4814 * T));

  L = 360.0 * Series_Frac(0.7859453 + M3 / P2 + ((6191.2 + 1.1 * T) * T + W.DL) / 1296000.0);
  R = 1.0001398 - 0.0000007 * T + W.DR * 1E-6;
  B = W.DB / 3600.0;
}

void Series_Sun(double T, double& L, double& B, double& R) { Series_Sun(T, L, B, R, nullptr); }
