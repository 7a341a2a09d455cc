#include "bench/baseline/music_metric.h"

#include "numeric/jacobi.h"
#include "numeric/sort_eigen_desc.h"

namespace baseline {

MusicMetricWork::MusicMetricWork(int nNoise)
    : nNoise(nNoise),
      Z(1, 3, 1, nNoise),
      M(1, 3, 1, 3),
      mu(1, 3),
      eigenvectors(1, 3, 1, 3) {}

bool music_metric(double** U, const double* w, double** E, int signalDim, int nSensors,
                  MusicMetricWork& work, double* V1, double* V2) {
  const int m = nSensors - signalDim;
  double** Z = work.Z.get();
  double** M = work.M.get();
  double* mu = work.mu.get();

  for (int c = 1; c <= 3; ++c) {
    for (int j = 1; j <= m; ++j) {
      double sum = 0.0;
      for (int i = 1; i <= nSensors; ++i) sum = sum + E[i][signalDim + j] * U[i][c];
      Z[c][j] = sum;
    }
  }
  for (int r = 1; r <= 3; ++r) {
    for (int s = 1; s <= 3; ++s) {
      double sum = 0.0;
      for (int j = 1; j <= m; ++j) sum = sum + Z[r][j] * Z[s][j];
      M[r][s] = sum;
    }
  }

  int rotations = 0;
  const bool converged = jacobi(M, 3, mu, work.eigenvectors.get(), &rotations);
  sort_eigen_desc(mu, work.eigenvectors.get(), 3);
  *V1 = 1.0 / mu[3];

  const double b = w[1] * w[1] + w[2] * w[2] + w[3] * w[3];
  double a = 0.0;
  for (int c = 1; c <= 3; ++c) {
    for (int j = 1; j <= m - 1; ++j) {
      const double x = w[c] * Z[c][j];
      a = a + x * x;
    }
  }
  *V2 = b / a;
  return converged;
}

}  // namespace baseline
