// signal_subspace: the split of the measured data into signal and noise.
//
// The covariance of the data about zero (sums over the samples in ascending
// order, divided once by nSamples), its eigen-decomposition with the
// eigenvalues in descending order, and the signal dimension: the smallest k
// for which the cumulative share of the first k squared eigenvalues reaches
// EPSILON. When no share reaches it (EPSILON above 1, or just below 1 by
// rounding) the signal dimension is nSensors and the noise subspace is empty.
//
// Inputs:
//   samples   nSensors x nSamples, column-major: sample t of sensor k is
//             samples[t * nSensors + k]
//   nSensors  number of sensors (at least 1)
//   nSamples  number of samples (at least 1)
//   EPSILON   energy threshold (not NaN)
// Outputs:
//   a SignalSubspace: lambda over 1..nSensors (descending), E over
//   1..nSensors x 1..nSensors (column k the eigenvector of lambda[k]),
//   signalDim >= 1, nNoise = nSensors - signalDim, and whether the
//   eigensolver converged (if not, the caller shows its notice and goes on).
//   Throws ScanError when the data have no energy (every share is 0/0).
#pragma once

#include "numeric/offset_arrays.h"
#include "scan/scan_error.h"

struct SignalSubspace {
  explicit SignalSubspace(int nSensors)
      : lambda(1, nSensors), E(1, nSensors, 1, nSensors) {}
  DVector lambda;
  DMatrix E;
  int signalDim = 0;
  int nNoise = 0;
  bool jacobiConverged = true;
};

SignalSubspace signal_subspace(const double* samples, int nSensors, int nSamples, double EPSILON);
