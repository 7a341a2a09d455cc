#include "bem/invert_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// LAPACK's Fortran entry points. The trailing size_t is the hidden length of
// the character argument that gfortran-compiled routines expect.
extern "C" {
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgecon_(const char* norm, const int* n, const double* a, const int* lda, const double* anorm,
             double* rcond, double* work, int* iwork, int* info, std::size_t normLength);
void dgetri_(const int* n, double* a, const int* lda, const int* ipiv, double* work,
             const int* lwork, int* info);
}

namespace {

// The largest column sum of absolute values, the 1-norm dgecon needs of the
// matrix before it is factorised.
double one_norm(const double* a, int n) {
  double largest = 0.0;
  for (std::ptrdiff_t j = 0; j < n; ++j) {
    double sum = 0.0;
    for (std::ptrdiff_t i = 0; i < n; ++i) sum += std::fabs(a[i + j * n]);
    largest = std::max(largest, sum);
  }
  return largest;
}

}  // namespace

double invert_matrix(double* a, int n, double minReciprocalCondition) {
  if (n == 0) return 1.0;
  const int lda = std::max(1, n);
  const double norm = one_norm(a, n);
  std::vector<int> pivots(static_cast<std::size_t>(n));
  int info = 0;
  dgetrf_(&n, &n, a, &lda, pivots.data(), &info);
  if (info != 0) return 0.0;

  double reciprocalCondition = 0.0;
  {
    std::vector<double> work(static_cast<std::size_t>(4) * n);
    std::vector<int> iwork(static_cast<std::size_t>(n));
    dgecon_("1", &n, a, &lda, &norm, &reciprocalCondition, work.data(), iwork.data(), &info, 1);
  }
  if (!(reciprocalCondition >= minReciprocalCondition)) return reciprocalCondition;

  // Ask for the blocked workspace size first; it lets dgetri run on
  // matrix-matrix products.
  int lwork = -1;
  double optimal = 0.0;
  dgetri_(&n, a, &lda, pivots.data(), &optimal, &lwork, &info);
  lwork = std::max(n, static_cast<int>(optimal));
  std::vector<double> work(static_cast<std::size_t>(lwork));
  dgetri_(&n, a, &lda, pivots.data(), work.data(), &lwork, &info);
  return reciprocalCondition;
}
