// NoiseVectors: the noise vectors of the data (columns signalDim + 1 ..
// nSensors of E) laid out for the per-point projection, kLanes noise vectors
// at a time: block b holds, for sensor i = 1 .. nSensors in turn, the kLanes
// values E[i][signalDim + 1 + b kLanes + k], k = 0 .. kLanes - 1 (zeros past
// the last noise vector), so the projection reads memory in order. Made once
// per scan and shared by every thread.
//
// Inputs:
//   E          1..nSensors x 1..nSensors data eigenvectors as columns
//   signalDim  number of signal vectors
//   nSensors   number of sensors
// Outputs:
//   the layout; E[i][signalDim + 1 + j] is
//   values[((j / kLanes) * nSensors + i - 1) * kLanes + j % kLanes]
#pragma once

#include <vector>

struct NoiseVectors {
  int nSensors = 0;
  int nNoise = 0;
  int padded = 0;  // nNoise rounded up to whole lanes
  std::vector<double> values;
};

NoiseVectors noise_vectors(double** E, int signalDim, int nSensors);
