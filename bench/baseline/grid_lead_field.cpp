#include "bench/baseline/grid_lead_field.h"

#include "bench/baseline/shell_lead_field.h"

namespace baseline {

GridLeadField::GridLeadField(const int* siteIndex, int nSensors, const Point3* CoG)
    : nSensors_(nSensors), sensors_(nSensors), sensorRows_(nSensors), leadFieldRows_(nSensors) {
  for (int i = 0; i < nSensors; ++i) {
    sensors_[i] = CoG[siteIndex[i]];
    sensorRows_[i] = &sensors_[i];
  }
}

void GridLeadField::compute(const Point3& gridPoint, double** L) {
  // Row i of the lead field (three values, 0-based) is row i + 1 of L from
  // column 1 on.
  for (int i = 0; i < nSensors_; ++i) leadFieldRows_[i] = &L[i + 1][1];
  const Point3* source = &gridPoint;
  shell_lead_field(&source, 1, sensorRows_.data(), nSensors_, leadFieldRows_.data());
}

}  // namespace baseline
