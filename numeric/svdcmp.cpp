#include "numeric/svdcmp.h"

#include <cmath>

#include "numeric/numeric_fatal.h"
#include "numeric/offset_arrays.h"

namespace {

const int kIterationLimit = 30;

// sqrt(x^2 + y^2) without overflow or destructive underflow: the smaller
// magnitude is scaled by the larger. Equal magnitudes take the second branch.
double hypotenuse(double x, double y) {
  const double ax = std::fabs(x);
  const double ay = std::fabs(y);
  if (ay < ax) {
    const double r = ay / ax;
    return std::sqrt(r * r + 1.0) * ax;
  }
  if (ay == 0.0) return 0.0;
  const double r = ax / ay;
  return std::sqrt(r * r + 1.0) * ay;
}

// |x| with the sign of y, where y = 0 counts as positive.
double transfer_sign(double x, double y) { return y >= 0.0 ? std::fabs(x) : -std::fabs(x); }

// x vanishes next to the norm bound of the bidiagonal form.
bool negligible(double x, double normBound) { return std::fabs(x) + normBound == normBound; }

// Householder reduction of a to upper bidiagonal form: diagonal in w,
// superdiagonal in e (e[i] couples i - 1 and i, e[1] = 0). The Householder
// vectors stay in a for the accumulations. Returns the norm bound, the
// largest |w[i]| + |e[i]|.
double bidiagonalise(double** a, int m, int n, double* w, double* e) {
  double g = 0.0;
  double scale = 0.0;
  double normBound = 0.0;
  for (int i = 1; i <= n; ++i) {
    const int l = i + 1;
    e[i] = scale * g;
    g = 0.0;
    double s = 0.0;
    scale = 0.0;
    // Column i, below and on the diagonal. Scaling by the column's 1-norm
    // keeps the sum of squares from overflowing or underflowing.
    if (i <= m) {
      for (int k = i; k <= m; ++k) scale += std::fabs(a[k][i]);
      if (scale != 0.0) {
        for (int k = i; k <= m; ++k) {
          a[k][i] = a[k][i] / scale;
          s = s + a[k][i] * a[k][i];
        }
        double f = a[i][i];
        g = -transfer_sign(std::sqrt(s), f);
        const double h = f * g - s;
        a[i][i] = f - g;
        if (i != n) {
          for (int j = l; j <= n; ++j) {
            double sigma = 0.0;
            for (int k = i; k <= m; ++k) sigma += a[k][i] * a[k][j];
            f = sigma / h;
            for (int k = i; k <= m; ++k) a[k][j] = a[k][j] + f * a[k][i];
          }
        }
        for (int k = i; k <= m; ++k) a[k][i] = scale * a[k][i];
      }
    }
    w[i] = scale * g;
    g = 0.0;
    s = 0.0;
    scale = 0.0;
    // Row i, right of the superdiagonal position.
    if (i <= m && i != n) {
      for (int k = l; k <= n; ++k) scale += std::fabs(a[i][k]);
      if (scale != 0.0) {
        for (int k = l; k <= n; ++k) {
          a[i][k] = a[i][k] / scale;
          s = s + a[i][k] * a[i][k];
        }
        const double f = a[i][l];
        g = -transfer_sign(std::sqrt(s), f);
        const double h = f * g - s;
        a[i][l] = f - g;
        for (int k = l; k <= n; ++k) e[k] = a[i][k] / h;
        if (i != m) {
          for (int j = l; j <= m; ++j) {
            double sigma = 0.0;
            for (int k = l; k <= n; ++k) sigma += a[j][k] * a[i][k];
            for (int k = l; k <= n; ++k) a[j][k] = a[j][k] + sigma * e[k];
          }
        }
        for (int k = l; k <= n; ++k) a[i][k] = scale * a[i][k];
      }
    }
    const double candidate = std::fabs(w[i]) + std::fabs(e[i]);
    // A NaN candidate is kept, and once the bound is NaN it stays NaN: then
    // nothing tests negligible and a NaN input ends in the iteration error
    // instead of in values that merely look converged.
    if (!std::isnan(normBound) && (candidate > normBound || std::isnan(candidate))) {
      normBound = candidate;
    }
  }
  return normBound;
}

// Accumulates the right-hand transformations into v, from the last row of
// Householder vectors left in a (rows 1..n, right of the diagonal).
void accumulate_right(double** a, int n, const double* e, double** v) {
  double g = 0.0;
  int l = n + 1;
  for (int i = n; i >= 1; --i) {
    if (i < n) {
      if (g != 0.0) {
        // Two divisions, the first one first, to avoid a possible underflow
        // of the product a[i][l] * g.
        for (int j = l; j <= n; ++j) v[j][i] = (a[i][j] / a[i][l]) / g;
        for (int j = l; j <= n; ++j) {
          double sigma = 0.0;
          for (int k = l; k <= n; ++k) sigma += a[i][k] * v[k][j];
          for (int k = l; k <= n; ++k) v[k][j] = v[k][j] + sigma * v[k][i];
        }
      }
      for (int j = l; j <= n; ++j) {
        v[i][j] = 0.0;
        v[j][i] = 0.0;
      }
    }
    v[i][i] = 1.0;
    g = e[i];
    l = i;
  }
}

// Accumulates the left-hand transformations into a itself, which becomes U.
void accumulate_left(double** a, int m, int n, const double* w) {
  for (int i = n; i >= 1; --i) {
    const int l = i + 1;
    double g = w[i];
    if (i < n) {
      for (int j = l; j <= n; ++j) a[i][j] = 0.0;
    }
    if (g != 0.0) {
      g = 1.0 / g;
      if (i != n) {
        for (int j = l; j <= n; ++j) {
          double sigma = 0.0;
          for (int k = l; k <= m; ++k) sigma += a[k][i] * a[k][j];
          const double f = (sigma / a[i][i]) * g;
          for (int k = i; k <= m; ++k) a[k][j] = a[k][j] + f * a[k][i];
        }
      }
      for (int j = i; j <= m; ++j) a[j][i] = g * a[j][i];
    } else {
      for (int j = i; j <= m; ++j) a[j][i] = 0.0;
    }
    a[i][i] = a[i][i] + 1.0;
  }
}

// Applies the plane rotation (c, s) to columns first and second of rows
// 1..count of x.
void rotate_columns(double** x, int count, int first, int second, double c, double s) {
  for (int row = 1; row <= count; ++row) {
    const double p = x[row][first];
    const double q = x[row][second];
    x[row][first] = p * c + q * s;
    x[row][second] = q * c - p * s;
  }
}

// Zeroes e[l..k] by Givens rotations from the left when w[l - 1] is
// negligible, so that the block l..k splits off.
void cancel_superdiagonal(double** a, int m, double* w, double* e, int l, int k,
                          double normBound) {
  const int nm = l - 1;
  double c = 0.0;
  double s = 1.0;
  for (int i = l; i <= k; ++i) {
    const double f = s * e[i];
    e[i] = c * e[i];
    if (negligible(f, normBound)) break;
    const double g = w[i];
    double h = hypotenuse(f, g);
    w[i] = h;
    h = 1.0 / h;
    c = g * h;
    s = -(f * h);
    rotate_columns(a, m, nm, i, c, s);
  }
}

// One implicitly shifted QR step on the block l..k of the bidiagonal form,
// with the shift taken from its trailing 2 by 2 minor.
void shifted_qr_step(double** a, int m, int n, double* w, double* e, double** v, int l, int k) {
  double z = w[k];
  double x = w[l];
  const int nm = k - 1;
  double y = w[nm];
  double g = e[nm];
  double h = e[k];
  double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
  g = hypotenuse(f, 1.0);
  f = ((x - z) * (x + z) + h * ((y / (f + transfer_sign(g, f))) - h)) / x;

  double c = 1.0;
  double s = 1.0;
  for (int j = l; j <= nm; ++j) {
    const int i = j + 1;
    g = e[i];
    y = w[i];
    h = s * g;
    g = c * g;
    z = hypotenuse(f, h);
    e[j] = z;
    c = f / z;
    s = h / z;
    f = x * c + g * s;
    g = g * c - x * s;
    h = y * s;
    y = y * c;
    rotate_columns(v, n, j, i, c, s);
    z = hypotenuse(f, h);
    w[j] = z;
    // With z = 0 the rotation angle is arbitrary; the previous one is kept.
    if (z != 0.0) {
      z = 1.0 / z;
      c = f * z;
      s = h * z;
    }
    f = c * g + s * y;
    x = c * y - s * g;
    rotate_columns(a, m, j, i, c, s);
  }
  e[l] = 0.0;
  e[k] = f;
  w[k] = x;
}

// Diagonalises the bidiagonal form, one singular value at a time from the
// last, and makes each one non-negative.
void diagonalise(double** a, int m, int n, double* w, double* e, double** v, double normBound) {
  for (int k = n; k >= 1; --k) {
    for (int its = 1;; ++its) {
      // Split test. e[1] is always zero, so the scan ends at l = 1 at the
      // latest without testing it: a NaN norm bound would make even that
      // zero non-negligible and send the scan below the arrays.
      int l = k;
      bool cancel = false;
      for (; l >= 1; --l) {
        if (l == 1 || negligible(e[l], normBound)) break;
        if (negligible(w[l - 1], normBound)) {
          cancel = true;
          break;
        }
      }
      if (cancel) cancel_superdiagonal(a, m, w, e, l, k, normBound);

      const double z = w[k];
      if (l == k) {
        if (z < 0.0) {
          w[k] = -z;
          for (int j = 1; j <= n; ++j) v[j][k] = -v[j][k];
        }
        break;
      }
      if (its == kIterationLimit) numeric_fatal("No convergence in 30 SVDCMP iterations");
      shifted_qr_step(a, m, n, w, e, v, l, k);
    }
  }
}

}  // namespace

void svdcmp(double** a, int m, int n, double* w, double** v) {
  if (m < n) numeric_fatal("SVDCMP: You must augment A with extra zero rows");
  DVector e(1, n);
  const double normBound = bidiagonalise(a, m, n, w, e.get());
  accumulate_right(a, n, e.get(), v);
  accumulate_left(a, m, n, w);
  diagonalise(a, m, n, w, e.get(), v, normBound);
}
