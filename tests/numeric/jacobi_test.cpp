#include "numeric/jacobi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "array_allocation_probe.h"
#include "numeric/numeric_fatal.h"
#include "numeric/offset_arrays.h"
#include "numeric/sort_eigen_desc.h"
#include "numeric_test_support.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kInvSqrt2 = 0.70710678118654752440;

struct Eigen {
  DVector d;
  DMatrix v;
  int rotations;
  bool converged;
};

Eigen run_jacobi(double** a, int n) {
  Eigen result{DVector(1, n), DMatrix(1, n, 1, n), -1, false};
  result.converged = jacobi(a, n, result.d.get(), result.v.get(), &result.rotations);
  return result;
}

TEST(Jacobi, OrdersBelowTwoReturnAtOnce) {
  int rotations = 7;
  EXPECT_TRUE(jacobi(nullptr, 0, nullptr, nullptr, &rotations));
  EXPECT_EQ(0, rotations);

  DMatrix a = make_matrix({{-4.5}});
  Eigen e = run_jacobi(a.get(), 1);
  EXPECT_TRUE(e.converged);
  EXPECT_EQ(0, e.rotations);
  EXPECT_EQ(-4.5, e.d[1]);
  EXPECT_EQ(1.0, e.v[1][1]);
}

TEST(Jacobi, DiagonalInputNeedsNoRotation) {
  DMatrix a = make_matrix({{3, 0, 0}, {0, -1, 0}, {0, 0, 2}});
  Eigen e = run_jacobi(a.get(), 3);
  EXPECT_TRUE(e.converged);
  EXPECT_EQ(0, e.rotations);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(a[i][i], e.d[i]);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(i == j ? 1.0 : 0.0, e.v[i][j]);
  }
}

// [[2, 1], [1, 2]]: one rotation gives d = (1, 3) with eigenvectors
// (1, -1)/sqrt 2 and (1, 1)/sqrt 2; only a[1][2] is written.
TEST(Jacobi, TwoByTwoTakesOneRotationAndLeavesLowerTriangle) {
  DMatrix a = make_matrix({{2, 1}, {1, 2}});
  Eigen e = run_jacobi(a.get(), 2);
  EXPECT_TRUE(e.converged);
  EXPECT_EQ(1, e.rotations);
  EXPECT_EQ(1.0, e.d[1]);
  EXPECT_EQ(3.0, e.d[2]);
  const double expected[3][3] = {{0, 0, 0}, {0, kInvSqrt2, kInvSqrt2}, {0, -kInvSqrt2, kInvSqrt2}};
  for (int i = 1; i <= 2; ++i) {
    for (int j = 1; j <= 2; ++j) {
      EXPECT_LE(ulps_apart(expected[i][j], e.v[i][j]), 4) << "v[" << i << "][" << j << "]";
    }
  }
  EXPECT_EQ(0.0, a[1][2]);
  EXPECT_EQ(2.0, a[1][1]);
  EXPECT_EQ(2.0, a[2][2]);
  EXPECT_EQ(1.0, a[2][1]);

  const double column1[2] = {e.v[1][1], e.v[2][1]};
  const double column2[2] = {e.v[1][2], e.v[2][2]};
  sort_eigen_desc(e.d.get(), e.v.get(), 2);
  EXPECT_EQ(3.0, e.d[1]);
  EXPECT_EQ(1.0, e.d[2]);
  EXPECT_EQ(column2[0], e.v[1][1]);
  EXPECT_EQ(column2[1], e.v[2][1]);
  EXPECT_EQ(column1[0], e.v[1][2]);
  EXPECT_EQ(column1[1], e.v[2][2]);
}

TEST(Jacobi, StrictLowerTriangleIsNeverRead) {
  const int n = 6;
  DMatrix clean = random_symmetric(n, 11);
  DMatrix spoiled = copy_matrix(clean.get(), n, n);
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) spoiled[i][j] = kNaN;
  }
  Eigen reference = run_jacobi(clean.get(), n);
  Eigen result = run_jacobi(spoiled.get(), n);
  EXPECT_EQ(reference.rotations, result.rotations);
  EXPECT_EQ(0, std::memcmp(&reference.d[1], &result.d[1], n * sizeof(double)));
  for (int i = 1; i <= n; ++i) {
    EXPECT_EQ(0, std::memcmp(&reference.v[i][1], &result.v[i][1], n * sizeof(double))) << i;
  }
}

// Random symmetric matrices of the orders met in use (3 x 3 per grid point,
// sensor covariances up to 256), and a rank-deficient covariance X X^T.
TEST(Jacobi, DecomposesSymmetricMatrices) {
  struct Case {
    int n;
    int rank;  // 0: full random symmetric; otherwise X X^T with X n x rank
  };
  for (const Case& c : {Case{3, 0}, Case{2, 0}, Case{17, 0}, Case{64, 0}, Case{256, 0},
                        Case{3, 1}, Case{40, 5}}) {
    SCOPED_TRACE("n = " + std::to_string(c.n) + ", rank = " + std::to_string(c.rank));
    const int n = c.n;
    DMatrix a = random_symmetric(n, 100 + n);
    if (c.rank > 0) {
      DMatrix x = random_matrix(n, c.rank, 200 + n);
      for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
          double sum = 0.0;
          for (int k = 1; k <= c.rank; ++k) sum += x[i][k] * x[j][k];
          a[i][j] = sum;
        }
      }
    }
    DMatrix input = copy_matrix(a.get(), n, n);
    Eigen e = run_jacobi(a.get(), n);
    ASSERT_TRUE(e.converged);

    const double scale = max_abs(input.get(), n, n) * n;
    const double tolerance = 64 * n * std::numeric_limits<double>::epsilon() * scale;
    double residual = 0.0;
    for (int k = 1; k <= n; ++k) {
      for (int i = 1; i <= n; ++i) {
        double product = 0.0;
        for (int j = 1; j <= n; ++j) product += input[i][j] * e.v[j][k];
        residual = std::fmax(residual, std::fabs(product - e.d[k] * e.v[i][k]));
      }
    }
    EXPECT_LE(residual, tolerance);
    EXPECT_LE(orthonormality_error(e.v.get(), n, n), 64 * n * std::numeric_limits<double>::epsilon());
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (j > i) {
          EXPECT_EQ(0.0, a[i][j]) << i << "," << j;
        } else {
          EXPECT_EQ(input[i][j], a[i][j]) << i << "," << j;
        }
      }
    }

    sort_eigen_desc(e.d.get(), e.v.get(), n);
    for (int k = 1; k < n; ++k) EXPECT_GE(e.d[k], e.d[k + 1]) << k;
  }
}

// At the sweep limit d is the entry diagonal plus the summed corrections, not
// the running d. A NaN off-diagonal keeps the sum from ever being zero, and
// the pair (1, 2) takes one rotation in sweep 4 whose shift is +0: the
// running d[1] stays -0 while -0 + 0 gives +0, so the sign of zero shows
// which of the two was returned.
TEST(Jacobi, SweepLimitReturnsFalseWithEntryDiagonalPlusCorrections) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  DMatrix a = make_matrix({{-0.0, tiny, 0, 0}, {tiny, 1e300, 0, 0}, {0, 0, 1, kNaN}, {0, 0, kNaN, 2}});
  Eigen e = run_jacobi(a.get(), 4);
  EXPECT_FALSE(e.converged);
  EXPECT_EQ(1, e.rotations);
  EXPECT_EQ(0.0, e.d[1]);
  EXPECT_FALSE(std::signbit(e.d[1]));
  EXPECT_EQ(1e300, e.d[2]);
  EXPECT_EQ(1.0, e.d[3]);
  EXPECT_EQ(2.0, e.d[4]);
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(i == j ? 1.0 : 0.0, e.v[i][j]);
  }
  EXPECT_STREQ("Too many iterations in routine JACOBI", jacobi_sweep_limit_notice);
}

// NaN and infinite values anywhere end after at most 50 sweeps, with the work
// vectors released on the way out.
TEST(Jacobi, NonFiniteInputsEndAndReleaseTheirWork) {
  const int n = 4;
  for (double bad : {kNaN, kInf, -kInf}) {
    for (int p = 1; p <= n; ++p) {
      for (int q = p; q <= n; ++q) {
        DMatrix a = random_symmetric(n, 7);
        a[p][q] = bad;
        a[q][p] = bad;
        DVector d(1, n);
        DMatrix v(1, n, 1, n);
        int rotations = 0;
        OutstandingArrays outstanding;
        const bool converged = jacobi(a.get(), n, d.get(), v.get(), &rotations);
        EXPECT_EQ(0, outstanding.count());
        if (p != q && std::isnan(bad)) {
          EXPECT_FALSE(converged) << p << "," << q;
        }
      }
    }
  }
}

// Every value is fixed to the bit by the order of operations. The expected
// doubles come from a separate line-by-line transcription of the routine in
// Octave (reference/make_reference_values.m), printed with 17 digits.
TEST(Jacobi, MatchesReferenceTranscriptionBitForBit) {
  DMatrix a = make_matrix({{4, 1, -2, 0.5, 3},
                           {1, 3, 0.25, 1, -1},
                           {-2, 0.25, -1, 2, 0.75},
                           {0.5, 1, 2, 5, -0.5},
                           {3, -1, 0.75, -0.5, 2}});
  const double d[5] = {6.0094643413986866, 3.1691665054121403, -3.119456560893981,
                       6.4093056722432484, 0.53152004183990853};
  const double v[5][5] = {
      {0.27072292400966314, 0.11684000858043483, 0.42115305507801176, -0.79110140260120743,
       -0.33143051430343806},
      {0.3808343606474896, 0.81118991174094923, -0.13001885314950271, 0.0031599493609964359,
       0.42428908704520407},
      {0.18645066580184905, -0.2372895023261869, 0.7681927219593786, 0.21982944850821276,
       0.52008152899815008},
      {0.86354015623325608, -0.32677654864061417, -0.22418460540402804, 0.22035590637501523,
       -0.22068081714697735},
      {0.0347683183453949, -0.40648507823652485, -0.40662809378180731, -0.52656136737958514,
       0.62525815863625056}};
  Eigen e = run_jacobi(a.get(), 5);
  EXPECT_TRUE(e.converged);
  EXPECT_EQ(45, e.rotations);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(d[i - 1], e.d[i]) << "d[" << i << "]";
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(v[i - 1][j - 1], e.v[i][j]) << "v[" << i << "][" << j << "]";
  }
}

// The second work vector failing must not strand the first.
TEST(Jacobi, FailedWorkVectorLeavesNothingBehind) {
  DMatrix a = make_matrix({{2, 1}, {1, 2}});
  DVector d(1, 2);
  DMatrix v(1, 2, 1, 2);
  int rotations = 0;
  OutstandingArrays outstanding;
  RefuseArrayAllocation refuse(1);
  EXPECT_THROW(jacobi(a.get(), 2, d.get(), v.get(), &rotations), NumericError);
  EXPECT_EQ(0, outstanding.count());
}

// Large orders run on a symmetric copy in SIMD lanes: the same doubles, the
// same rotations and the same upper triangle as on the caller's arrays,
// including at the sweep limit (a NaN) and with infinities.
TEST(Jacobi, CopyAndInPlaceGiveTheSameBits) {
  auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
  for (int n : {2, 5, 32, 47, 100, 160}) {
    for (int variant = 0; variant < 3; ++variant) {
      SCOPED_TRACE(n * 10 + variant);
      DMatrix a1 = random_symmetric(n, 300 + n);
      if (variant == 1 && n > 2) a1[1][n] = kNaN;
      if (variant == 2 && n > 2) a1[2][3] = kInf;
      DMatrix a2(1, n, 1, n);
      for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) a2[i][j] = a1[i][j];
      DVector d1(1, n), d2(1, n);
      DMatrix v1(1, n, 1, n), v2(1, n, 1, n);
      int r1 = -1, r2 = -2;
      EXPECT_EQ(jacobi_in_place(a1.get(), n, d1.get(), v1.get(), &r1),
                jacobi_on_copy(a2.get(), n, d2.get(), v2.get(), &r2));
      EXPECT_EQ(r1, r2);
      for (int i = 1; i <= n; ++i) {
        ASSERT_TRUE(same(d1[i], d2[i])) << i;
        for (int j = 1; j <= n; ++j) {
          ASSERT_TRUE(same(v1[i][j], v2[i][j])) << i << "," << j;
          ASSERT_TRUE(same(a1[i][j], a2[i][j])) << i << "," << j;
        }
      }
    }
  }
}

// Columns of v carry labels 10 r + c so that the permutation can be read off.
TEST(SortEigenDesc, SortsDescendingAndMovesLastOfEqualMaximaForward) {
  struct Case {
    std::vector<double> d;
    std::vector<double> sorted;
    std::vector<int> columnOrder;  // input column now at each position
  };
  const Case cases[] = {
      {{2, 2}, {2, 2}, {2, 1}},
      {{1, 5, 5, 3}, {5, 5, 3, 1}, {3, 2, 4, 1}},
      {{4, 3, -1}, {4, 3, -1}, {1, 2, 3}},
      {{-1, 0, 7}, {7, 0, -1}, {3, 2, 1}},
      {{9}, {9}, {1}},
  };
  for (const Case& c : cases) {
    const int n = static_cast<int>(c.d.size());
    DVector d(1, n);
    DMatrix v(1, n, 1, n);
    for (int i = 1; i <= n; ++i) {
      d[i] = c.d[i - 1];
      for (int j = 1; j <= n; ++j) v[i][j] = 10 * i + j;
    }
    sort_eigen_desc(d.get(), v.get(), n);
    for (int i = 1; i <= n; ++i) {
      EXPECT_EQ(c.sorted[i - 1], d[i]) << "n = " << n << ", position " << i;
      for (int r = 1; r <= n; ++r) EXPECT_EQ(10 * r + c.columnOrder[i - 1], v[r][i]);
    }
  }
}

}  // namespace
