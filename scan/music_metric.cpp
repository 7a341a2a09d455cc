#include "scan/music_metric.h"

#include "common/simd.h"
#include "numeric/jacobi.h"
#include "numeric/sort_eigen_desc.h"

namespace {

// Z[c][j] = sum over i = 1 .. nSensors of E[i][signalDim + j] * U[i][c],
// for two blocks of kLanes noise vectors at a time (six independent sums
// keep the adder busy; each lane still adds its products in sensor order).
EEGSCAN_SIMD_CLONES
void noise_coordinates(double** U, const NoiseVectors& noise, double* Z) {
  const std::size_t padded = noise.padded;
  std::size_t first = 0;
  for (; first + 2 * kLanes <= padded; first += 2 * kLanes) {
    Lanes a1 = LANES_BROADCAST(0.0), a2 = a1, a3 = a1, b1 = a1, b2 = a1, b3 = a1;
    const double* column = &noise.values[first * noise.nSensors];
    const double* next = column + kLanes * noise.nSensors;
    for (int i = 1; i <= noise.nSensors; ++i, column += kLanes, next += kLanes) {
      const Lanes e = LANES_LOAD(column);
      const Lanes f = LANES_LOAD(next);
      const double u1 = U[i][1], u2 = U[i][2], u3 = U[i][3];
      a1 = a1 + e * u1;
      a2 = a2 + e * u2;
      a3 = a3 + e * u3;
      b1 = b1 + f * u1;
      b2 = b2 + f * u2;
      b3 = b3 + f * u3;
    }
    LANES_STORE(&Z[first], a1);
    LANES_STORE(&Z[padded + first], a2);
    LANES_STORE(&Z[2 * padded + first], a3);
    LANES_STORE(&Z[first + kLanes], b1);
    LANES_STORE(&Z[padded + first + kLanes], b2);
    LANES_STORE(&Z[2 * padded + first + kLanes], b3);
  }
  for (; first < padded; first += kLanes) {
    Lanes a1 = LANES_BROADCAST(0.0), a2 = a1, a3 = a1;
    const double* column = &noise.values[first * noise.nSensors];
    for (int i = 1; i <= noise.nSensors; ++i, column += kLanes) {
      const Lanes e = LANES_LOAD(column);
      a1 = a1 + e * U[i][1];
      a2 = a2 + e * U[i][2];
      a3 = a3 + e * U[i][3];
    }
    LANES_STORE(&Z[first], a1);
    LANES_STORE(&Z[padded + first], a2);
    LANES_STORE(&Z[2 * padded + first], a3);
  }
}

}  // namespace

MusicMetricWork::MusicMetricWork(const NoiseVectors& noise)
    : Z(3 * static_cast<std::size_t>(noise.padded)),
      M(1, 3, 1, 3),
      mu(1, 3),
      eigenvectors(1, 3, 1, 3) {}

bool music_metric(double** U, const double* w, const NoiseVectors& noise, MusicMetricWork& work,
                  double* V1, double* V2) {
  const int m = noise.nNoise;
  const std::size_t padded = noise.padded;
  noise_coordinates(U, noise, work.Z.data());
  const double* Z[4] = {nullptr, &work.Z[0], &work.Z[padded], &work.Z[2 * padded]};
  double** M = work.M.get();
  double* mu = work.mu.get();

  // M is symmetric: M[s][r] is the same sum of the same products as M[r][s].
  for (int r = 1; r <= 3; ++r) {
    for (int s = r; s <= 3; ++s) {
      double sum = 0.0;
      for (int j = 0; j < m; ++j) sum = sum + Z[r][j] * Z[s][j];
      M[r][s] = sum;
      M[s][r] = sum;
    }
  }

  int rotations = 0;
  const bool converged = jacobi(M, 3, mu, work.eigenvectors.get(), &rotations);
  sort_eigen_desc(mu, work.eigenvectors.get(), 3);
  *V1 = 1.0 / mu[3];

  const double b = w[1] * w[1] + w[2] * w[2] + w[3] * w[3];
  double a = 0.0;
  for (int c = 1; c <= 3; ++c) {
    for (int j = 0; j < m - 1; ++j) {
      const double x = w[c] * Z[c][j];
      a = a + x * x;
    }
  }
  *V2 = b / a;
  return converged;
}
