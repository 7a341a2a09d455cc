// The straightforward serial reading of the scan steps, kept as the
// baseline that the benchmarks measure against and that the equality tests
// compare the fast code with, bit for bit.
//
// music_scan and music_scan_from_store: MUSIC values of every grid point.
//
// Both estimate the signal subspace of the data once (signal_subspace.h) and
// then score each grid point with music_metric. music_scan computes each
// point's shell-model lead field and its decomposition on the spot and shows
// a " R :" line per point; music_scan_from_store reads the decompositions
// from a store written for the same sensors and grid and shows nothing per
// point.
//
// Inputs:
//   siteIndex, nSensors, CoG   the sensor sites (music_scan only)
//   nPoints, R                 the grid (R: music_scan only)
//   dataRows, nSamples         the data, one row of nSamples per sensor
//   EPSILON                    the signal-energy threshold
//   path                       the store (music_scan_from_store only)
//   print                      receives the text shown in the command window
// Outputs:
//   V1, V2   nPoints values each; throws ScanError or NumericError
#pragma once

#include <string>

#include "common/point3.h"
#include "scan/scan_progress.h"

namespace baseline {

void music_scan(const int* siteIndex, int nSensors, const Point3* CoG, long nPoints,
                const Point3* R, const double* const* dataRows, int nSamples, double* V1,
                double* V2, double EPSILON, const ScanPrinter& print);

void music_scan_from_store(int nSensors, long nPoints, const double* const* dataRows,
                           int nSamples, double* V1, double* V2, double EPSILON,
                           const std::string& path, const ScanPrinter& print);

}  // namespace baseline
