// The straightforward serial reading of the scan steps, kept as the
// baseline that the benchmarks measure against and that the equality tests
// compare the fast code with, bit for bit.
//
// GridLeadField: the shell-model lead field at the selected sensor sites of
// one grid point after another, into the rows of an nSensors x 3 matrix.
//
// Inputs (constructor):
//   siteIndex  nSensors 0-based numbers of the sensor sites among the CoG
//              points; the first site also fixes the head radius
//   CoG        the candidate sensor sites
// Outputs (compute):
//   L          1..nSensors x 1..3: L[i][c] is the potential at sensor i of a
//              unit dipole at the grid point along axis c (1 = x, 2 = y, 3 = z)
#pragma once

#include <vector>

#include "common/point3.h"

namespace baseline {

class GridLeadField {
 public:
  GridLeadField(const int* siteIndex, int nSensors, const Point3* CoG);
  void compute(const Point3& gridPoint, double** L);

 private:
  int nSensors_;
  std::vector<Point3> sensors_;
  std::vector<const Point3*> sensorRows_;
  std::vector<double*> leadFieldRows_;
};

}  // namespace baseline
