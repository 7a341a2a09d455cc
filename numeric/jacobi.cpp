#include "numeric/jacobi.h"

#include <cmath>
#include <vector>

#include "common/simd.h"
#include "numeric/offset_arrays.h"

const char* const jacobi_sweep_limit_notice = "Too many iterations in routine JACOBI";

namespace {

const int kSweepLimit = 50;
// From this order on the eigenvectors are kept as rows (see RowVectors).
const int kCopyOrder = 32;

// Replaces x and y by their rotation through the angle whose sine is s and
// whose tau = s / (1 + cos), both results formed from the old x and y.
inline void rotate(double& x, double& y, double s, double tau) {
  const double oldX = x;
  const double oldY = y;
  x = oldX - s * (oldY + oldX * tau);
  y = oldY + s * (oldX - oldY * tau);
}

// rotate() on count pairs (x[j], y[j]), kLanes pairs at a time; each lane
// forms exactly the doubles of rotate().
EEGSCAN_SIMD_CLONES
void rotate_runs(double* x, double* y, int count, double s, double tau) {
  int j = 0;
  for (; j + kLanes <= count; j += kLanes) {
    const Lanes oldX = LANES_LOAD(x + j);
    const Lanes oldY = LANES_LOAD(y + j);
    LANES_STORE(x + j, oldX - s * (oldY + oldX * tau));
    LANES_STORE(y + j, oldY + s * (oldX - oldY * tau));
  }
  for (; j < count; ++j) rotate(x[j], y[j], s, tau);
}

// The caller's arrays, worked on where they are: only the strict upper
// triangle of a is kept up to date, hence the three ranges of a rotation.
struct InPlace {
  double** a;
  double** v;
  int n;

  double upper(int p, int q) const { return a[p][q]; }
  void clear(int p, int q) { a[p][q] = 0.0; }
  void rotate_pair(int p, int q, double s, double tau) {
    for (int j = 1; j <= p - 1; ++j) rotate(a[j][p], a[j][q], s, tau);
    for (int j = p + 1; j <= q - 1; ++j) rotate(a[p][j], a[j][q], s, tau);
    for (int j = q + 1; j <= n; ++j) rotate(a[p][j], a[q][j], s, tau);
    for (int j = 1; j <= n; ++j) rotate(v[j][p], v[j][q], s, tau);
  }
  void finish() {}
};

// The eigenvectors kept as rows of one block while the sweeps run: a
// rotation then changes two contiguous runs, which rotate in lanes, instead
// of a column pair spread over every row of v. The same operations on the
// same pairs: the same doubles. a is worked on in place as above.
struct RowVectors {
  double** a;
  double** v;
  int n;
  std::vector<double> VT;  // VT[(k - 1) n + (j - 1)] = v[j][k]

  RowVectors(double** a, double** v, int n) : a(a), v(v), n(n), VT(n * n, 0.0) {
    for (int k = 0; k < n; ++k) VT[k * n + k] = 1.0;
  }

  double upper(int p, int q) const { return a[p][q]; }
  void clear(int p, int q) { a[p][q] = 0.0; }
  void rotate_pair(int p, int q, double s, double tau) {
    for (int j = 1; j <= p - 1; ++j) rotate(a[j][p], a[j][q], s, tau);
    for (int j = p + 1; j <= q - 1; ++j) rotate(a[p][j], a[j][q], s, tau);
    rotate_runs(&a[p][q + 1], &a[q][q + 1], n - q, s, tau);
    rotate_runs(&VT[(p - 1) * n], &VT[(q - 1) * n], n, s, tau);
  }
  void finish() {
    for (int j = 1; j <= n; ++j)
      for (int k = 1; k <= n; ++k) v[j][k] = VT[(k - 1) * n + (j - 1)];
  }
};

// Annihilates the element (p, q) (p < q) by one rotation, applied to the
// off-diagonal elements, to the eigenvalue estimates d and to the
// eigenvectors. g is 100 |a[p][q]|, shared with the caller's negligibility
// test.
template <class Storage>
void rotate_element(Storage& storage, double* d, double* correction, int p, int q, double g) {
  const double apq = storage.upper(p, q);
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
  storage.clear(p, q);
  storage.rotate_pair(p, q, s, tau);
}

template <class Storage>
bool sweeps(Storage& storage, int n, double* d, int* rotation_count) {
  DVector entryDiagonal(1, n);
  DVector correction(1, n);
  for (int i = 1; i <= n; ++i) {
    entryDiagonal[i] = d[i];
    correction[i] = 0.0;
  }

  for (int sweep = 1; sweep <= kSweepLimit; ++sweep) {
    if (n < 2) return true;
    double offDiagonalSum = 0.0;
    for (int p = 1; p <= n - 1; ++p) {
      for (int q = p + 1; q <= n; ++q) offDiagonalSum += std::fabs(storage.upper(p, q));
    }
    // Only an exact zero counts: there is no tolerance.
    if (offDiagonalSum == 0.0) return true;
    const double threshold = sweep < 4 ? (0.2 * offDiagonalSum) / (n * n) : 0.0;

    for (int p = 1; p <= n - 1; ++p) {
      for (int q = p + 1; q <= n; ++q) {
        const double apq = storage.upper(p, q);
        const double g = 100.0 * std::fabs(apq);
        // Only once the diagonal has settled (from sweep 5 on) is an element
        // judged against it and dropped without a rotation.
        if (sweep > 4 && std::fabs(d[p]) + g == std::fabs(d[p]) &&
            std::fabs(d[q]) + g == std::fabs(d[q])) {
          storage.clear(p, q);
        } else if (std::fabs(apq) > threshold) {
          rotate_element(storage, d, correction.get(), p, q, g);
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

template <class Storage>
bool run_sweeps(Storage&& storage, int n, double* d, int* rotation_count) {
  const bool converged = sweeps(storage, n, d, rotation_count);
  storage.finish();
  return converged;
}

}  // namespace

bool jacobi(double** a, int n, double* d, double** v, int* rotation_count) {
  return n >= kCopyOrder ? jacobi_on_copy(a, n, d, v, rotation_count)
                         : jacobi_in_place(a, n, d, v, rotation_count);
}

bool jacobi_in_place(double** a, int n, double* d, double** v, int* rotation_count) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) v[i][j] = 0.0;
    v[i][i] = 1.0;
  }
  for (int i = 1; i <= n; ++i) d[i] = a[i][i];
  *rotation_count = 0;
  return run_sweeps(InPlace{a, v, n}, n, d, rotation_count);
}

bool jacobi_on_copy(double** a, int n, double* d, double** v, int* rotation_count) {
  for (int i = 1; i <= n; ++i) d[i] = a[i][i];
  *rotation_count = 0;
  return run_sweeps(RowVectors(a, v, n), n, d, rotation_count);
}
