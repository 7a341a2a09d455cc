#include "shell/shell_source_lead_field.h"

#include <cmath>

#include "common/simd.h"

namespace {

// Below this length (in cubed length units) the tangent vector is dropped...
constexpr double kTangentThreshold = 1e-6;
// ...and the sine below which a sensor counts as on the source axis.
constexpr double kPoleThreshold = 1e-8;

// The tangential direction at sensor e for the source (r2 = |source|^2):
// the unit vector of T = r2 * e - (source . e) * source, or zero when T is
// negligible. |T| = r2 * |e| * sin(angle), so the absolute threshold alone
// would depend on the unit of length (in metres it drops the tangential part
// several degrees off the axis); the direction is dropped only when the sine
// of the angle is below the threshold as well.
void tangent_direction(const Point3& source, double r2, const Point3& e, double tau[3]) {
  const double d = source.y * e.y + source.z * e.z + source.x * e.x;
  const double T[3] = {r2 * e.x - d * source.x, r2 * e.y - d * source.y, r2 * e.z - d * source.z};
  const double lengthT = std::sqrt(T[2] * T[2] + T[1] * T[1] + T[0] * T[0]);
  if (lengthT < kTangentThreshold) {
    const double lengthE = std::sqrt(e.x * e.x + e.y * e.y + e.z * e.z);
    if (lengthT < kTangentThreshold * r2 * lengthE) {
      tau[0] = tau[1] = tau[2] = 0.0;
      return;
    }
  }
  tau[0] = T[0] / lengthT;
  tau[1] = T[1] / lengthT;
  tau[2] = T[2] / lengthT;
}

// The series of orders 1 .. 100 for kLanes sensors starting at `first`.
// Each lane runs the scalar recurrence of its sensor:
//   V[a] = (Q * tau[a] / n + P * s[a]) * c[n] * beta + V[a]
//   beta = beta * b
//   Pnext = (2n + 1)/(n + 1) * P * cg - n/(n + 1) * Pprev
//   Q = (P - Pnext * cg) * (n + 1) / sg
// A lane at a pole (|sg| <= 1e-8 or sg not a number) sums the radial part
// alone: its tau is zero and its Q is held at zero, so the tangential term is
// an exact +0 and adding it to P * s[a] changes nothing but the sign of a zero
// term, which the running sum V (started at +0) never shows.
EEGSCAN_SIMD_CLONES
void series_block(const ShellSeries& series, const double s[3], double b,
                  const ShellSourceWork& work, int first, double V[3][kLanes]) {
  const Lanes cg = LANES_LOAD(&work.cg[first]);
  const Lanes sg = LANES_LOAD(&work.sg[first]);
  const Lanes tau0 = LANES_LOAD(&work.tauX[first]);
  const Lanes tau1 = LANES_LOAD(&work.tauY[first]);
  const Lanes tau2 = LANES_LOAD(&work.tauZ[first]);
  const LaneMask general = LANE_MASK_LOAD(&work.general[first]);
  const Lanes zero = LANES_BROADCAST(0.0);
  const Lanes s0 = LANES_BROADCAST(s[0]), s1 = LANES_BROADCAST(s[1]), s2 = LANES_BROADCAST(s[2]);

  Lanes V0 = zero, V1 = zero, V2 = zero;
  double beta = 1.0;
  Lanes Pprev = LANES_BROADCAST(1.0);
  Lanes P = cg;
  Lanes Q = general ? sg : zero;
  for (int order = 1; order <= kShellTerms; ++order) {
    const Lanes c = LANES_BROADCAST(series.c[order]);
    const Lanes betaLanes = LANES_BROADCAST(beta);
    Lanes t0 = Q * tau0, t1 = Q * tau1, t2 = Q * tau2;
    if (series.exactReciprocal[order] != 0.0) {
      const Lanes reciprocal = LANES_BROADCAST(series.exactReciprocal[order]);
      t0 = t0 * reciprocal;
      t1 = t1 * reciprocal;
      t2 = t2 * reciprocal;
    } else {
      const Lanes n = LANES_BROADCAST(series.order[order]);
      t0 = t0 / n;
      t1 = t1 / n;
      t2 = t2 / n;
    }
    V0 = (t0 + P * s0) * c * betaLanes + V0;
    V1 = (t1 + P * s1) * c * betaLanes + V1;
    V2 = (t2 + P * s2) * c * betaLanes + V2;
    beta = beta * b;
    const Lanes Pnext = LANES_BROADCAST(series.nextRatio[order]) * P * cg -
                        LANES_BROADCAST(series.prevRatio[order]) * Pprev;
    const Lanes Qnext = (P - Pnext * cg) * LANES_BROADCAST(series.orderPlusOne[order]) / sg;
    Q = general ? Qnext : zero;
    Pprev = P;
    P = Pnext;
  }
  LANES_STORE(V[0], V0);
  LANES_STORE(V[1], V1);
  LANES_STORE(V[2], V2);
}

}  // namespace

void shell_source_lead_field(const ShellSeries& series, const ShellSensorSet& sensors,
                             const Point3& source, ShellSourceWork& work,
                             double* const* leadField, int column) {
  const double r2 = source.y * source.y + source.z * source.z + source.x * source.x;
  const double r = std::sqrt(r2);
  const double s[3] = {source.x / r, source.y / r, source.z / r};
  const double R = sensors.R;
  const double K = sensors.K;
  if (sensors.count <= 0) return;

  if (r == 0.0) {
    // Only the n = 1 term survives at the centre.
    for (int j = 0; j < sensors.count; ++j) {
      leadField[j][column + 0] = series.c[1] * sensors.x[j] / (K * R);
      leadField[j][column + 1] = series.c[1] * sensors.y[j] / (K * R);
      leadField[j][column + 2] = series.c[1] * sensors.z[j] / (K * R);
    }
    return;
  }

  const double b = r / R;
  for (int j = 0; j < sensors.padded; ++j) {
    const Point3 e{sensors.x[j], sensors.y[j], sensors.z[j]};
    double tau[3];
    tangent_direction(source, r2, e, tau);
    const double cg = (s[1] * e.y + s[0] * e.x + s[2] * e.z) / R;
    const double sg = std::sqrt(1.0 - cg * cg);
    // A sine that is not a number fails the test and takes the pole sum.
    const bool general = std::fabs(sg) > kPoleThreshold;
    work.cg[j] = cg;
    work.sg[j] = sg;
    work.tauX[j] = general ? tau[0] : 0.0;
    work.tauY[j] = general ? tau[1] : 0.0;
    work.tauZ[j] = general ? tau[2] : 0.0;
    work.general[j] = general ? -1 : 0;
  }

  for (int first = 0; first < sensors.count; first += kLanes) {
    double V[3][kLanes];
    series_block(series, s, b, work, first, V);
    const int last = first + kLanes < sensors.count ? first + kLanes : sensors.count;
    for (int j = first; j < last; ++j) {
      for (int a = 0; a < 3; ++a) leadField[j][column + a] = V[a][j - first] / K;
    }
  }
}
