// The straightforward serial reading of the scan steps, kept as the
// baseline that the benchmarks measure against and that the equality tests
// compare the fast code with, bit for bit.
//
// music_metric: the two MUSIC values of one grid point.
//
// With the lead field's decomposition L = U diag(w) V' and the noise vectors
// of the data (columns signalDim + 1 .. nSensors of E):
//   Z = coordinates of the columns of U in the noise subspace (3 x nNoise),
//   M = Z Z', mu its eigenvalues in descending order,
//   V1 = 1 / mu[3],
//   V2 = (w1^2 + w2^2 + w3^2) / a, where a is the power of the lead field in
//        the span of the first nNoise - 1 noise vectors (the last noise vector,
//        that of the smallest data eigenvalue, enters M but not a).
// Every sum starts from 0.0 and runs in ascending index order.
//
// Inputs:
//   U          nSensors x 3 (1-based), left singular vectors of the lead field
//   w          3 singular values (1-based)
//   E          nSensors x nSensors (1-based), data eigenvectors as columns,
//              eigenvalues descending
//   signalDim  number of signal vectors; nNoise = nSensors - signalDim
//   nSensors   number of sensors
//   work       scratch arrays made once for this nSensors and signalDim
// Outputs:
//   V1, V2     the two values; the result is false when the 3 x 3
//              eigenproblem stopped at its sweep limit (the values are then
//              those of the limit, and the caller shows the notice)
#pragma once

#include "numeric/offset_arrays.h"

namespace baseline {

struct MusicMetricWork {
  MusicMetricWork(int nNoise);
  int nNoise;
  DMatrix Z;             // 1..3 x 1..nNoise
  DMatrix M;             // 1..3 x 1..3
  DVector mu;            // 1..3
  DMatrix eigenvectors;  // 1..3 x 1..3
};

bool music_metric(double** U, const double* w, double** E, int signalDim, int nSensors,
                  MusicMetricWork& work, double* V1, double* V2);

}  // namespace baseline
