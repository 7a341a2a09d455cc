#include "scan/noise_vectors.h"

#include "common/simd.h"

NoiseVectors noise_vectors(double** E, int signalDim, int nSensors) {
  NoiseVectors noise;
  noise.nSensors = nSensors;
  noise.nNoise = nSensors - signalDim;
  noise.padded = (noise.nNoise + kLanes - 1) / kLanes * kLanes;
  noise.values.assign(static_cast<std::size_t>(nSensors) * noise.padded, 0.0);
  for (int j = 0; j < noise.nNoise; ++j) {
    const std::size_t block = j / kLanes;
    for (int i = 1; i <= nSensors; ++i) {
      noise.values[(block * nSensors + i - 1) * kLanes + j % kLanes] = E[i][signalDim + 1 + j];
    }
  }
  return noise;
}
