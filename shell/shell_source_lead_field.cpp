#include "shell/shell_source_lead_field.h"

#include <cmath>

#include "shell/series_block.h"

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

  SeriesBlock block{series.c, series.order, series.orderPlusOne, series.nextRatio,
                    series.prevRatio, series.exactReciprocal, series.reciprocal,
                    {s[0], s[1], s[2]}, b, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
  for (int first = 0; first < sensors.count; first += kSeriesBlockSensors) {
    block.cg = &work.cg[first];
    block.sg = &work.sg[first];
    block.tauX = &work.tauX[first];
    block.tauY = &work.tauY[first];
    block.tauZ = &work.tauZ[first];
    block.general = &work.general[first];
    double V[3][kSeriesBlockSensors];
    series_block(block, V);
    const int last = first + kSeriesBlockSensors < sensors.count ? first + kSeriesBlockSensors
                                                                 : sensors.count;
    for (int j = first; j < last; ++j) {
      for (int a = 0; a < 3; ++a) leadField[j][column + a] = V[a][j - first] / K;
    }
  }
}
