#include "bench/baseline/signal_subspace.h"

#include "numeric/jacobi.h"
#include "numeric/sort_eigen_desc.h"

namespace baseline {

namespace {

// Cov[i][j] = Cov[j][i] = sum over t of x_i(t) x_j(t), divided by nSamples.
void data_covariance(const double* const* dataRows, int nSensors, int nSamples, double** Cov) {
  for (int i = 1; i <= nSensors; ++i) {
    const double* xi = dataRows[i - 1];
    for (int j = i; j <= nSensors; ++j) {
      const double* xj = dataRows[j - 1];
      double sum = 0.0;
      for (int t = 0; t < nSamples; ++t) sum = sum + xi[t] * xj[t];
      Cov[j][i] = sum / nSamples;
      Cov[i][j] = Cov[j][i];
    }
  }
}

}  // namespace

SignalSubspace signal_subspace(const double* const* dataRows, int nSensors, int nSamples,
                               double EPSILON) {
  SignalSubspace subspace(nSensors);
  double* lambda = subspace.lambda.get();
  double** E = subspace.E.get();

  DMatrix covariance(1, nSensors, 1, nSensors);
  data_covariance(dataRows, nSensors, nSamples, covariance.get());
  int rotations = 0;
  subspace.jacobiConverged = jacobi(covariance.get(), nSensors, lambda, E, &rotations);
  sort_eigen_desc(lambda, E, nSensors);

  double S = 0.0;
  for (int k = 1; k <= nSensors; ++k) S = S + lambda[k] * lambda[k];
  if (S == 0.0) {
    throw ScanError("badInput", "the data have no energy (every sample is zero)");
  }

  // Each share is divided by S on its own before it is added.
  double share = lambda[1] * lambda[1] / S;
  int signalDim = 1;
  while (share < EPSILON && signalDim < nSensors) {
    signalDim = signalDim + 1;
    share = share + lambda[signalDim] * lambda[signalDim] / S;
  }
  subspace.signalDim = signalDim;
  subspace.nNoise = nSensors - signalDim;
  return subspace;
}

}  // namespace baseline
