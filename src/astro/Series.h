// Series: the analytic series of the Sun (geocentric) and of the planets Mercury to
// Neptune (heliocentric), and the machinery they share: term rows, the cosine and
// sine tables of multiples of the mean anomalies, the perturbation sums. Pure
// computations on local state; reads and writes no shared global. Depends only on
// the platform layer (checked arrays). Every series keeps its own constants (its
// 6.283185307 for two pi, its mean anomalies) in its own source file.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/CheckedArray.h"

// A mean anomaly or mean argument as a linear function of time: C0 in revolutions
// at T = 0, C1 in revolutions per Julian century.
struct TMeanAnomaly {
  double C0;
  double C1;
};

// One term row. Argument I1 * M + I * Mp (M the series body's own mean anomaly,
// Mp the perturbing body's); IT = 0 starts a new argument, IT = k > 0 multiplies
// the previous row's cosine and sine by T once more (I1 and I are then not read).
// DLC/DLS and DBC/DBS in arcseconds, DRC/DRS in the series' radius unit (1e-6 AU
// for the Sun to Mars, 1e-5 AU for Jupiter to Neptune).
struct TSeriesTerm {
  std::int32_t I1;
  std::int32_t I;
  std::int32_t IT;
  double DLC, DLS, DRC, DRS, DBC, DBS;
};

// x minus its integer part (truncated toward zero), plus 1 when negative: the
// fraction of a revolution in [0, 1). A negative x so close to an integer that
// adding 1 rounds to 1 gives 0, so the result never reaches 1.
inline double Series_Frac(double x) {
  double f = x - std::trunc(x);
  if (f < 0) {
    f += 1.0;
    if (f >= 1.0) f = 0.0;
  }
  return f;
}

// Addition theorem: with C1 = cos a, S1 = sin a, C2 = cos b, S2 = sin b gives
// C = cos(a + b), S = sin(a + b). The outputs may alias the inputs.
inline void Series_RotAdd(double C1, double S1, double C2, double S2, double& C, double& S) {
  const double c = C1 * C2 - S1 * S2;
  const double s = S1 * C2 + C1 * S2;
  C = c;
  S = s;
}

// P2 * fraction of (C0 + C1 * T): the mean anomaly in radians [0, P2) for T in
// Julian centuries from J2000; P2 is the calling series' own value of two pi.
inline double Series_MeanAnomaly(const TMeanAnomaly& A, double T, double P2) {
  return P2 * Series_Frac(A.C0 + A.C1 * T);
}

// What each perturbation group added to the sums, in the order the groups ran:
// DL and DB in arcseconds, DR in the series' radius unit. Filled only on request
// (checks and diagnostics); the series never read it.
struct TSeriesGroupSum {
  const char* Name = nullptr;
  double DL = 0, DR = 0, DB = 0;
};
struct TSeriesGroupSums {
  int Count = 0;
  std::array<TSeriesGroupSum, 6> Groups{};
};

// The working variables of one series evaluation: the sums DL, DR, DB, the own-body
// table C_own/S_own over [OwnLo, OwnHi], the perturber table C/S over
// [PertLo, PertHi] and the cosine and sine U, V of the current row's argument.
// Every table index is checked (tv::ERangeError outside its range). Zero at creation.
template <int OwnLo, int OwnHi, int PertLo, int PertHi>
struct TSeriesWork {
  static_assert(OwnLo <= 0 && OwnHi >= 1 && PertLo < 0 && PertHi >= 0);

  explicit TSeriesWork(double T_, TSeriesGroupSums* Trace_ = nullptr) : T(T_), Trace(Trace_) {}

  double T;
  double DL = 0, DR = 0, DB = 0;
  double U = 0, V = 0;
  tv::CheckedArray<double, OwnLo, OwnHi> C_own{}, S_own{};
  tv::CheckedArray<double, PertLo, PertHi> C{}, S{};

  // C_own[k] = cos kM, S_own[k] = sin kM for the whole own range (M in radians):
  // upward by the addition theorem from k = 1, then the negative indices mirrored.
  void FillOwn(double M) {
    C_own[0] = 1.0;
    S_own[0] = 0.0;
    C_own[1] = std::cos(M);
    S_own[1] = std::sin(M);
    for (int k = 2; k <= OwnHi; ++k)
      Series_RotAdd(C_own[k - 1], S_own[k - 1], C_own[1], S_own[1], C_own[k], S_own[k]);
    for (int k = -1; k >= OwnLo; --k) {
      C_own[k] = C_own[-k];
      S_own[k] = -S_own[-k];
    }
  }

  // C[0] = 1, S[0] = 0: the entries the rows with I = 0 read.
  void SetPerturberZero() {
    C[0] = 1.0;
    S[0] = 0.0;
  }

  // C[k] = cos kMp, S[k] = sin kMp for k = -1 down to Lowest (Mp in radians).
  // Entries below Lowest keep what an earlier group left there.
  void FillPerturber(double Mp, int Lowest) {
    C[-1] = std::cos(Mp);
    S[-1] = -std::sin(Mp);
    for (int k = -1; k > Lowest; --k) Series_RotAdd(C[k], S[k], C[-1], S[-1], C[k - 1], S[k - 1]);
  }

  // Adds one term row into DL, DR, DB (see TSeriesTerm).
  void Series_Term(std::int32_t I1, std::int32_t I, std::int32_t IT, double DLC, double DLS, double DRC,
                   double DRS, double DBC, double DBS) {
    if (IT == 0) {
      Series_RotAdd(C_own[I1], S_own[I1], C[I], S[I], U, V);
    } else {
      U = U * T;
      V = V * T;
    }
    DL = DL + DLC * U + DLS * V;
    DR = DR + DRC * U + DRS * V;
    DB = DB + DBC * U + DBS * V;
  }

  // Applies the rows in stored order.
  template <std::size_t N>
  void ApplyRows(const std::array<TSeriesTerm, N>& Rows) {
    for (const TSeriesTerm& r : Rows) Series_Term(r.I1, r.I, r.IT, r.DLC, r.DLS, r.DRC, r.DRS, r.DBC, r.DBS);
  }

  // Records what the group just finished added to the sums (when a trace was asked for).
  void EndGroup(const char* Name) {
    if (Trace == nullptr) return;
    if (Trace->Count < static_cast<int>(Trace->Groups.size())) {
      Trace->Groups[static_cast<std::size_t>(Trace->Count)] = {Name, DL - MarkDL, DR - MarkDR, DB - MarkDB};
      ++Trace->Count;
    }
    MarkDL = DL;
    MarkDR = DR;
    MarkDB = DB;
  }

 private:
  TSeriesGroupSums* Trace;
  double MarkDL = 0, MarkDR = 0, MarkDB = 0;
};

// The eight series. T in Julian centuries from JD 2451545.0 (the program passes
// (JD_UT - 2451545) / 36525). L in [0, 360) degrees and B in degrees (north
// positive), referred to the mean equinox and ecliptic of date; R in AU.
// Series_Sun gives the Sun's geocentric place, the others the planet's
// heliocentric place. Never fail for finite T. The overloads with Groups also
// report what each perturbation group added to DL, DR, DB (Groups may be null).
void Series_Sun(double T, double& L, double& B, double& R);
void Series_Mercury(double T, double& L, double& B, double& R);
void Series_Venus(double T, double& L, double& B, double& R);
void Series_Mars(double T, double& L, double& B, double& R);
void Series_Jupiter(double T, double& L, double& B, double& R);
void Series_Saturn(double T, double& L, double& B, double& R);
void Series_Uranus(double T, double& L, double& B, double& R);
void Series_Neptune(double T, double& L, double& B, double& R);

void Series_Sun(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Mercury(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Venus(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Mars(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Jupiter(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Saturn(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Uranus(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
void Series_Neptune(double T, double& L, double& B, double& R, TSeriesGroupSums* Groups);
