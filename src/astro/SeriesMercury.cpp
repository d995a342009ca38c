// Mercury's heliocentric series: the elliptic terms and the perturbations by Venus,
// the Earth, Jupiter and Saturn.
#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesMercuryTerms.h"

namespace {

constexpr double P2 = 6.283185307;  // two pi as the coefficients were fitted with

// Own-body table: multiples -1..9 of Mercury's mean anomaly; perturber table -5..0.
using TWork = TSeriesWork<-1, 9, -5, 0>;

}  // namespace

void Series_Mercury(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups) {
  namespace Data = SeriesMercuryData;
  TWork W(T, Groups);

  const double M1 = Series_MeanAnomaly(Data::M1, T, P2);
  const double M2 = Series_MeanAnomaly(Data::M2, T, P2);
  const double M3 = Series_MeanAnomaly(Data::M3, T, P2);
  const double M5 = Series_MeanAnomaly(Data::M5, T, P2);
  const double M6 = Series_MeanAnomaly(Data::M6, T, P2);

  W.FillOwn(M1);

  // The Venus group holds the elliptic terms (I = 0) and sets C[0], S[0] for all groups.
  W.SetPerturberZero();
  W.FillPerturber(M2, -5);
  W.ApplyRows(Data::Pert_Venus);
  W.EndGroup("Pert_Venus");

  W.FillPerturber(M3, -4);
  W.ApplyRows(Data::Pert_Earth);
  W.EndGroup("Pert_Earth");

  W.FillPerturber(M5, -3);
  W.ApplyRows(Data::Pert_Jupiter);
  W.EndGroup("Pert_Jupiter");

  // Saturn's single row reads only index -2, set directly from the doubled anomaly;
  // index -1 keeps Jupiter's values.
  W.C[-2] = std::cos(2.0 * M6);
  W.S[-2] = -std::sin(2.0 * M6);
  W.ApplyRows(Data::Pert_Saturn);
  W.EndGroup("Pert_Saturn");

  W.DL = W.DL + 2.8 + 3.2 * T;

  L = 360.0 * Series_Frac(0.2151379 + M1 / P2 + ((5601.7 + 1.1 * T) * T + W.DL) / 1296000.0);
  R = 0.3952829 + 0.0000016 * T + W.DR * 1E-6;
  B = (-2522.15 + (-30.18 + 0.04 * T) * T + W.DB) / 3600.0;
}

void Series_Mercury(double T, double& L, double& B, double& R) { Series_Mercury(T, L, B, R, nullptr); }
