// ShellSensorSet: the sensors of a lead-field computation in the form the
// series works on: coordinates by axis, padded with copies of the first
// sensor to whole blocks of kSeriesBlockSensors, together with the head radius R = |first
// sensor| and the scale K = 2.51327412 * R^2.
//
// Inputs:
//   sensors  count pointers to the sensor points; sensors[0] is always read
//   count    number of sensors
// Outputs:
//   the set; ShellSourceWork holds the per-source scratch of one thread
#pragma once

#include <vector>

#include "common/point3.h"

struct ShellSensorSet {
  int count = 0;
  int padded = 0;  // count rounded up to whole lane blocks
  std::vector<double> x, y, z;
  double R = 0.0;
  double K = 0.0;
};

ShellSensorSet shell_sensor_set(const Point3* const* sensors, int count);

// Per-sensor values of one source, reused from source to source.
struct ShellSourceWork {
  explicit ShellSourceWork(int padded)
      : cg(padded), sg(padded), tauX(padded), tauY(padded), tauZ(padded), general(padded) {}
  std::vector<double> cg, sg, tauX, tauY, tauZ;
  std::vector<long long> general;  // -1 where the general sum applies, 0 at a pole
};
