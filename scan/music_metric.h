// music_metric: the two MUSIC values of one grid point.
//
// With the lead field's decomposition L = U diag(w) V' and the m noise
// vectors of the data (columns signalDim + 1 .. nSensors of E):
//   Z = coordinates of the columns of U in the noise subspace (3 x m),
//   M = Z Z', mu its eigenvalues in descending order,
//   V1 = 1 / mu[3],
//   V2 = (w1^2 + w2^2 + w3^2) / a, where a is the power of the lead field in
//        the span of the first m - 1 noise vectors (the last noise vector,
//        that of the smallest data eigenvalue, enters M but not a).
// Every sum starts from 0.0 and runs in ascending index order; the noise
// coordinates are formed kLanes noise vectors at a time, each lane summing
// over the sensors in order.
//
// Inputs:
//   U      nSensors x 3 (1-based), left singular vectors of the lead field
//   w      3 singular values (1-based)
//   noise  the noise vectors (noise_vectors)
//   work   scratch of this thread, made for the same noise vectors
// Outputs:
//   V1, V2 the two values; the result is false when the 3 x 3 eigenproblem
//          stopped at its sweep limit (the values are then those of the
//          limit, and the caller shows the notice)
#pragma once

#include <vector>

#include "numeric/offset_arrays.h"
#include "scan/noise_vectors.h"

struct MusicMetricWork {
  explicit MusicMetricWork(const NoiseVectors& noise);
  std::vector<double> Z;  // row c - 1 of Z from Z[(c - 1) * noise.padded]
  DMatrix M;              // 1..3 x 1..3
  DVector mu;             // 1..3
  DMatrix eigenvectors;   // 1..3 x 1..3
};

bool music_metric(double** U, const double* w, const NoiseVectors& noise, MusicMetricWork& work,
                  double* V1, double* V2);
