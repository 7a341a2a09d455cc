// music_scan and music_scan_from_store: MUSIC values of every grid point.
//
// Both estimate the signal subspace of the data once (signal_subspace.h) and
// then score each grid point with music_metric, grid points shared out over
// all cores. music_scan computes each point's shell-model lead field and its
// decomposition on the spot and shows a " R :" line per point, in grid order;
// music_scan_from_store reads the decompositions from a store written for the
// same sensors and grid, in large sequential blocks, and shows nothing per
// point. An eigensolver notice appears where it occurred; when a point fails,
// the call ends with its error after the lines of the points before it.
//
// Inputs:
//   siteIndex, nSensors, CoG   the sensor sites (music_scan only)
//   nPoints, R                 the grid (R: music_scan only)
//   samples, nSamples          the data, nSensors x nSamples column-major
//   EPSILON                    the signal-energy threshold
//   path                       the store (music_scan_from_store only)
//   print                      receives the text shown in the command window;
//                              called on the caller's thread only
// Outputs:
//   V1, V2   nPoints values each; throws ScanError or NumericError
#pragma once

#include <string>

#include "common/point3.h"
#include "scan/scan_progress.h"

void music_scan(const int* siteIndex, int nSensors, const Point3* CoG, long nPoints,
                const Point3* R, const double* samples, int nSamples, double* V1, double* V2,
                double EPSILON, const ScanPrinter& print);

void music_scan_from_store(int nSensors, long nPoints, const double* samples, int nSamples,
                           double* V1, double* V2, double EPSILON, const std::string& path,
                           const ScanPrinter& print);
