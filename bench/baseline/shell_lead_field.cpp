#include "bench/baseline/shell_lead_field.h"

#include <cmath>

#include "shell/shell_coefficients.h"

namespace baseline {

namespace {

// 4 pi * 0.2 to eight decimals, the value the model is normalised with.
constexpr double kNormalisation = 2.51327412;
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

// The series sum V at sensor e of a source at r (unit direction s) for a head
// of radius R; the caller divides by the scale K.
void series_at_sensor(const double c[kShellTerms + 1], double R, const Point3& source, double r2,
                      double r, const double s[3], const Point3& e, double V[3]) {
  double tau[3];
  tangent_direction(source, r2, e, tau);
  const double b = r / R;
  const double cg = (s[1] * e.y + s[0] * e.x + s[2] * e.z) / R;
  const double sg = std::sqrt(1.0 - cg * cg);

  V[0] = V[1] = V[2] = 0.0;
  double beta = 1.0;  // b^(n-1)
  double Pprev = 1.0;
  double P = cg;
  double Q = sg;
  // A sine that is not a number fails the test and takes the pole sum.
  const bool general = std::fabs(sg) > kPoleThreshold;
  for (int order = 1; order <= kShellTerms; ++order) {
    const double n = order;
    if (general) {
      for (int a = 0; a < 3; ++a) V[a] = (Q * tau[a] / n + P * s[a]) * c[order] * beta + V[a];
    } else {
      for (int a = 0; a < 3; ++a) V[a] = P * s[a] * c[order] * beta + V[a];
    }
    beta = beta * b;
    const double Pnext = (2.0 * n + 1.0) / (n + 1.0) * P * cg - n / (n + 1.0) * Pprev;
    if (general) Q = (P - Pnext * cg) * (n + 1.0) / sg;
    Pprev = P;
    P = Pnext;
  }
}

}  // namespace

void shell_lead_field(const Point3* const* sources, int sourceCount, const Point3* const* sensors,
                      int sensorCount, double* const* leadField) {
  double c[kShellTerms + 1];
  shell_coefficients(c);

  const Point3& first = *sensors[0];
  const double R2 = first.x * first.x + first.y * first.y + first.z * first.z;
  const double R = std::sqrt(R2);
  const double K = kNormalisation * R2;

  for (int i = 0; i < sourceCount; ++i) {
    const Point3& source = *sources[i];
    const double r2 = source.y * source.y + source.z * source.z + source.x * source.x;
    const double r = std::sqrt(r2);
    const double s[3] = {source.x / r, source.y / r, source.z / r};
    if (sensorCount <= 0) continue;

    if (r == 0.0) {
      // Only the n = 1 term survives at the centre.
      for (int j = 0; j < sensorCount; ++j) {
        for (int a = 0; a < 3; ++a) {
          leadField[j][3 * i + a] = c[1] * point3_axis(*sensors[j], a) / (K * R);
        }
      }
      continue;
    }
    for (int j = 0; j < sensorCount; ++j) {
      double V[3];
      series_at_sensor(c, R, source, r2, r, s, *sensors[j], V);
      for (int a = 0; a < 3; ++a) leadField[j][3 * i + a] = V[a] / K;
    }
  }
}

}  // namespace baseline
