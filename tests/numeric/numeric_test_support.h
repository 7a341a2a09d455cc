// Fixtures shared by the numerical-core tests: 1-based matrices from literal
// rows, seeded random matrices, ulp distances, orthonormality.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "numeric/offset_arrays.h"

using Rows = std::vector<std::vector<double>>;

// A 1-based dmatrix holding the given rows (all of one length).
inline DMatrix make_matrix(const Rows& rows) {
  const int nRows = static_cast<int>(rows.size());
  const int nColumns = nRows == 0 ? 0 : static_cast<int>(rows[0].size());
  DMatrix m(1, nRows, 1, nColumns);
  for (int i = 1; i <= nRows; ++i) {
    for (int j = 1; j <= nColumns; ++j) m[i][j] = rows[i - 1][j - 1];
  }
  return m;
}

inline DMatrix copy_matrix(double** source, int nRows, int nColumns) {
  DMatrix m(1, nRows, 1, nColumns);
  for (int i = 1; i <= nRows; ++i) {
    for (int j = 1; j <= nColumns; ++j) m[i][j] = source[i][j];
  }
  return m;
}

// Entries uniform in [-1, 1], the same for every run with the same seed.
inline DMatrix random_matrix(int nRows, int nColumns, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  DMatrix m(1, nRows, 1, nColumns);
  for (int i = 1; i <= nRows; ++i) {
    for (int j = 1; j <= nColumns; ++j) m[i][j] = uniform(generator);
  }
  return m;
}

inline DMatrix random_symmetric(int n, unsigned seed) {
  DMatrix m = random_matrix(n, n, seed);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j < i; ++j) m[i][j] = m[j][i];
  }
  return m;
}

// Number of doubles between a and b; +0 and -0 count as equal.
inline std::int64_t ulps_apart(double a, double b) {
  auto ordered = [](double x) {
    std::int64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits < 0 ? INT64_MIN - bits : bits;
  };
  const std::int64_t difference = ordered(a) - ordered(b);
  return difference < 0 ? -difference : difference;
}

inline double max_abs(double** m, int nRows, int nColumns) {
  double largest = 0.0;
  for (int i = 1; i <= nRows; ++i) {
    for (int j = 1; j <= nColumns; ++j) largest = std::fmax(largest, std::fabs(m[i][j]));
  }
  return largest;
}

// Largest deviation of X^T X from the identity, X being nRows by nColumns.
inline double orthonormality_error(double** x, int nRows, int nColumns) {
  double worst = 0.0;
  for (int p = 1; p <= nColumns; ++p) {
    for (int q = 1; q <= nColumns; ++q) {
      double product = 0.0;
      for (int r = 1; r <= nRows; ++r) product += x[r][p] * x[r][q];
      worst = std::fmax(worst, std::fabs(product - (p == q ? 1.0 : 0.0)));
    }
  }
  return worst;
}
