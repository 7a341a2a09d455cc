#include "shell/shell_sensor_set.h"

#include <cmath>

#include "shell/series_block.h"

namespace {
// 4 pi * 0.2 to eight decimals, the value the model is normalised with.
constexpr double kNormalisation = 2.51327412;
}  // namespace

ShellSensorSet shell_sensor_set(const Point3* const* sensors, int count) {
  ShellSensorSet set;
  const Point3& first = *sensors[0];
  const double R2 = first.x * first.x + first.y * first.y + first.z * first.z;
  set.R = std::sqrt(R2);
  set.K = kNormalisation * R2;
  set.count = count > 0 ? count : 0;
  set.padded = (set.count + kSeriesBlockSensors - 1) / kSeriesBlockSensors * kSeriesBlockSensors;
  set.x.assign(set.padded, first.x);
  set.y.assign(set.padded, first.y);
  set.z.assign(set.padded, first.z);
  for (int j = 0; j < set.count; ++j) {
    set.x[j] = sensors[j]->x;
    set.y[j] = sensors[j]->y;
    set.z[j] = sensors[j]->z;
  }
  return set;
}
