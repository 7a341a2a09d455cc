#include "scan/grid_lead_field.h"

#include "shell/shell_source_lead_field.h"

namespace {

ShellSensorSet site_sensors(const int* siteIndex, int nSensors, const Point3* CoG) {
  std::vector<const Point3*> sites(nSensors);
  for (int i = 0; i < nSensors; ++i) sites[i] = &CoG[siteIndex[i]];
  return shell_sensor_set(sites.data(), nSensors);
}

}  // namespace

GridLeadField::GridLeadField(const int* siteIndex, int nSensors, const Point3* CoG)
    : nSensors_(nSensors),
      series_(new ShellSeries),
      sensors_(site_sensors(siteIndex, nSensors, CoG)),
      work_(sensors_.padded),
      leadFieldRows_(nSensors) {
  shell_series(*series_);
}

void GridLeadField::compute(const Point3& gridPoint, double** L) {
  // Row i of the lead field (three values, 0-based) is row i + 1 of L from
  // column 1 on.
  for (int i = 0; i < nSensors_; ++i) leadFieldRows_[i] = &L[i + 1][1];
  shell_source_lead_field(*series_, sensors_, gridPoint, work_, leadFieldRows_.data(), 0);
}
