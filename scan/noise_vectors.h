// NoiseVectors: the noise vectors of the data (columns signalDim + 1 ..
// nSensors of E) laid out for the per-point projection: row i, for sensor i,
// holds E[i][signalDim + 1 .. nSensors] followed by zeros up to a whole
// number of lanes. Made once per scan and shared by every thread.
//
// Inputs:
//   E          1..nSensors x 1..nSensors data eigenvectors as columns
//   signalDim  number of signal vectors
//   nSensors   number of sensors
// Outputs:
//   the layout; values[(i - 1) * padded + j] = E[i][signalDim + 1 + j]
#pragma once

#include <vector>

struct NoiseVectors {
  int nSensors = 0;
  int nNoise = 0;
  int padded = 0;  // nNoise rounded up to whole lanes
  std::vector<double> values;
};

NoiseVectors noise_vectors(double** E, int signalDim, int nSensors);
