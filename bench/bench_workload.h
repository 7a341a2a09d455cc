// Workloads shared by the benchmarks: an electrode cap, a grid inside the
// head and data of one dipole with noise, all from a fixed seed.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "common/point3.h"

struct ScanWorkload {
  int nSensors = 0;
  long nPoints = 0;
  int nSamples = 0;
  std::vector<Point3> CoG;        // the cap: one site per sensor
  std::vector<int> siteIndex;     // 0 .. nSensors - 1
  std::vector<Point3> R;          // grid points
  std::vector<double> samples;    // nSensors x nSamples, column-major (sensor fastest)
  std::vector<std::vector<double>> dataRows;  // the same, one row per sensor
  std::vector<const double*> dataRowPointers;
};

// nSensors electrodes spread over the upper part of a sphere of radius 0.09.
inline std::vector<Point3> electrode_cap(int nSensors) {
  std::vector<Point3> cap(nSensors);
  const double lowest = std::cos(110.0 * M_PI / 180.0);
  for (int k = 0; k < nSensors; ++k) {
    const double z = 1.0 - (k + 0.5) / nSensors * (1.0 - lowest);
    const double azimuth = k * M_PI * (3.0 - std::sqrt(5.0));
    const double ring = std::sqrt(1.0 - z * z);
    cap[k] = {0.09 * ring * std::cos(azimuth), 0.09 * ring * std::sin(azimuth), 0.09 * z};
  }
  return cap;
}

// nPoints grid points spread through the ball of radius 0.07.
inline std::vector<Point3> grid_in_head(long nPoints, unsigned seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> coordinate(-0.07, 0.07);
  std::vector<Point3> grid;
  grid.reserve(nPoints);
  while (static_cast<long>(grid.size()) < nPoints) {
    const Point3 p{coordinate(random), coordinate(random), coordinate(random)};
    if (p.x * p.x + p.y * p.y + p.z * p.z < 0.07 * 0.07) grid.push_back(p);
  }
  return grid;
}

inline ScanWorkload scan_workload(int nSensors, long nPoints, int nSamples) {
  ScanWorkload w;
  w.nSensors = nSensors;
  w.nPoints = nPoints;
  w.nSamples = nSamples;
  w.CoG = electrode_cap(nSensors);
  for (int i = 0; i < nSensors; ++i) w.siteIndex.push_back(i);
  w.R = grid_in_head(nPoints, 7);
  std::mt19937_64 random(11);
  std::normal_distribution<double> noise(0.0, 1.0);
  // Three independent random components (a low-rank signal) plus weaker noise.
  std::vector<double> pattern(3 * nSensors);
  for (double& x : pattern) x = noise(random);
  w.samples.resize(static_cast<std::size_t>(nSensors) * nSamples);
  for (int t = 0; t < nSamples; ++t) {
    const double a = std::sin(0.01 * t), b = std::cos(0.023 * t), c = std::sin(0.05 * t + 1.0);
    for (int k = 0; k < nSensors; ++k) {
      w.samples[static_cast<std::size_t>(t) * nSensors + k] =
          a * pattern[k] + b * pattern[nSensors + k] + 0.5 * c * pattern[2 * nSensors + k] +
          0.05 * noise(random);
    }
  }
  w.dataRows.assign(nSensors, std::vector<double>(nSamples));
  for (int t = 0; t < nSamples; ++t)
    for (int k = 0; k < nSensors; ++k)
      w.dataRows[k][t] = w.samples[static_cast<std::size_t>(t) * nSensors + k];
  for (const auto& row : w.dataRows) w.dataRowPointers.push_back(row.data());
  return w;
}
