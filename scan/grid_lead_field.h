// GridLeadField: the shell-model lead field at the selected sensor sites of
// one grid point after another, into the rows of an nSensors x 3 matrix.
// The series tables and the sensor set are made once; each thread of a scan
// owns one GridLeadField.
//
// Inputs (constructor):
//   siteIndex  nSensors 0-based numbers of the sensor sites among the CoG
//              points; the first site also fixes the head radius
//   CoG        the candidate sensor sites
// Outputs (compute):
//   L          1..nSensors x 1..3: L[i][c] is the potential at sensor i of a
//              unit dipole at the grid point along axis c (1 = x, 2 = y, 3 = z)
#pragma once

#include <memory>
#include <vector>

#include "common/point3.h"
#include "shell/shell_sensor_set.h"
#include "shell/shell_series.h"

class GridLeadField {
 public:
  GridLeadField(const int* siteIndex, int nSensors, const Point3* CoG);
  void compute(const Point3& gridPoint, double** L);

 private:
  int nSensors_;
  std::unique_ptr<ShellSeries> series_;
  ShellSensorSet sensors_;
  ShellSourceWork work_;
  std::vector<double*> leadFieldRows_;
};
