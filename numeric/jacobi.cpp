#include "numeric/jacobi.h"

#include <cmath>

#include "numeric/offset_arrays.h"

const char* const jacobi_sweep_limit_notice = "Too many iterations in routine JACOBI";

namespace {

const int kSweepLimit = 50;

// Replaces x and y by their rotation through the angle whose sine is s and
// whose tau = s / (1 + cos), both results formed from the old x and y.
inline void rotate(double& x, double& y, double s, double tau) {
  const double oldX = x;
  const double oldY = y;
  x = oldX - s * (oldY + oldX * tau);
  y = oldY + s * (oldX - oldY * tau);
}

// Annihilates a[p][q] (p < q) by one rotation, applied to the upper triangle,
// to the eigenvalue estimates d and to the eigenvector columns of v.
// g is 100 |a[p][q]|, shared with the caller's negligibility test.
void rotate_pair(double** a, int n, double* d, double** v, double* correction, int p, int q,
                 double g) {
  const double apq = a[p][q];
  double h = d[q] - d[p];
  double t;
  if (std::fabs(h) + g == std::fabs(h)) {
    // The angle is so small that t = tan(angle) ~ apq / h to full precision.
    t = apq / h;
  } else {
    const double theta = (0.5 * h) / apq;
    t = 1.0 / (std::sqrt(theta * theta + 1.0) + std::fabs(theta));
    if (theta < 0.0) t = -t;
  }
  const double c = 1.0 / std::sqrt(t * t + 1.0);
  const double s = t * c;
  const double tau = s / (c + 1.0);
  h = t * apq;
  correction[p] -= h;
  correction[q] += h;
  d[p] -= h;
  d[q] += h;
  a[p][q] = 0.0;
  // Only the strict upper triangle is kept up to date, hence the three ranges.
  for (int j = 1; j <= p - 1; ++j) rotate(a[j][p], a[j][q], s, tau);
  for (int j = p + 1; j <= q - 1; ++j) rotate(a[p][j], a[j][q], s, tau);
  for (int j = q + 1; j <= n; ++j) rotate(a[p][j], a[q][j], s, tau);
  for (int j = 1; j <= n; ++j) rotate(v[j][p], v[j][q], s, tau);
}

}  // namespace

bool jacobi(double** a, int n, double* d, double** v, int* rotation_count) {
  DVector entryDiagonal(1, n);
  DVector correction(1, n);

  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) v[i][j] = 0.0;
    v[i][i] = 1.0;
  }
  for (int i = 1; i <= n; ++i) {
    entryDiagonal[i] = d[i] = a[i][i];
    correction[i] = 0.0;
  }
  *rotation_count = 0;

  for (int sweep = 1; sweep <= kSweepLimit; ++sweep) {
    if (n < 2) return true;
    double offDiagonalSum = 0.0;
    for (int p = 1; p <= n - 1; ++p) {
      for (int q = p + 1; q <= n; ++q) offDiagonalSum += std::fabs(a[p][q]);
    }
    // Only an exact zero counts: there is no tolerance.
    if (offDiagonalSum == 0.0) return true;
    const double threshold = sweep < 4 ? (0.2 * offDiagonalSum) / (n * n) : 0.0;

    for (int p = 1; p <= n - 1; ++p) {
      for (int q = p + 1; q <= n; ++q) {
        const double g = 100.0 * std::fabs(a[p][q]);
        // Only once the diagonal has settled (from sweep 5 on) is an element
        // judged against it and dropped without a rotation.
        if (sweep > 4 && std::fabs(d[p]) + g == std::fabs(d[p]) &&
            std::fabs(d[q]) + g == std::fabs(d[q])) {
          a[p][q] = 0.0;
        } else if (std::fabs(a[p][q]) > threshold) {
          rotate_pair(a, n, d, v, correction.get(), p, q, g);
          ++*rotation_count;
        }
      }
    }
  }

  // At the limit the eigenvalues are rebuilt from the entry diagonal and the
  // separately summed corrections rather than taken from the running d.
  for (int i = 1; i <= n; ++i) d[i] = entryDiagonal[i] + correction[i];
  return false;
}
