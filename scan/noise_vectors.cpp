#include "scan/noise_vectors.h"

#include "common/simd.h"

NoiseVectors noise_vectors(double** E, int signalDim, int nSensors) {
  NoiseVectors noise;
  noise.nSensors = nSensors;
  noise.nNoise = nSensors - signalDim;
  noise.padded = (noise.nNoise + kLanes - 1) / kLanes * kLanes;
  noise.values.assign(static_cast<std::size_t>(nSensors) * noise.padded, 0.0);
  for (int i = 1; i <= nSensors; ++i) {
    double* row = &noise.values[static_cast<std::size_t>(i - 1) * noise.padded];
    for (int j = 0; j < noise.nNoise; ++j) row[j] = E[i][signalDim + 1 + j];
  }
  return noise;
}
