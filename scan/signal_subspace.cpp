#include "scan/signal_subspace.h"

#include "numeric/jacobi.h"
#include "numeric/sort_eigen_desc.h"
#include "scan/data_covariance.h"

SignalSubspace signal_subspace(const double* samples, int nSensors, int nSamples, double EPSILON) {
  SignalSubspace subspace(nSensors);
  double* lambda = subspace.lambda.get();
  double** E = subspace.E.get();

  DMatrix covariance(1, nSensors, 1, nSensors);
  data_covariance(samples, nSensors, nSamples, covariance.get());
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
