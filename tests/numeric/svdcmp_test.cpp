#include "numeric/svdcmp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "array_allocation_probe.h"
#include "numeric/numeric_fatal.h"
#include "numeric/offset_arrays.h"
#include "numeric_test_support.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kEpsilon = std::numeric_limits<double>::epsilon();
const char kNoConvergence[] = "No convergence in 30 SVDCMP iterations";

struct Decomposition {
  DMatrix u;  // the input, overwritten by U
  DVector w;
  DMatrix v;
};

Decomposition run_svdcmp(const Rows& rows) {
  const int m = static_cast<int>(rows.size());
  const int n = static_cast<int>(rows[0].size());
  Decomposition result{make_matrix(rows), DVector(1, n), DMatrix(1, n, 1, n)};
  svdcmp(result.u.get(), m, n, result.w.get(), result.v.get());
  return result;
}

void expect_matrix_within_ulps(const Rows& expected, const DMatrix& actual, int ulps,
                               const char* name) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    for (std::size_t j = 0; j < expected[i].size(); ++j) {
      const double value = actual[static_cast<int>(i) + 1][static_cast<int>(j) + 1];
      EXPECT_LE(ulps_apart(expected[i][j], value), ulps)
          << name << "[" << i + 1 << "][" << j + 1 << "] = " << value << ", expected "
          << expected[i][j];
    }
  }
}

void expect_values(const std::vector<double>& expected, const DVector& w, int ulps) {
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_LE(ulps_apart(expected[k], w[static_cast<int>(k) + 1]), ulps)
        << "w[" << k + 1 << "] = " << w[static_cast<int>(k) + 1] << ", expected " << expected[k];
  }
}

// Small inputs whose decomposition is known in closed form, including the
// signs and the unsorted order that the method produces. Computed values may
// sit an ulp or a few from the exact ones: 5 comes out as 4.9999999999999991
// for the column (3, 0, 4).
TEST(Svdcmp, WorkedCases) {
  struct Case {
    const char* name;
    Rows a;
    std::vector<double> w;
    Rows u;
    Rows v;
  };
  const Case cases[] = {
      {"1 x 1", {{3}}, {3}, {{-1}}, {{-1}}},
      {"zero 4 x 3", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {0, 0, 0},
       {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
      {"diag(2, 3)", {{2, 0}, {0, 3}}, {2, 3}, {{-1, 0}, {0, -1}}, {{-1, 0}, {0, -1}}},
      {"(3, 0, 4)", {{3}, {0}, {4}}, {5}, {{-0.6}, {0}, {-0.8}}, {{-1}}},
      {"(-3, 0, 4)", {{-3}, {0}, {4}}, {5}, {{-0.6}, {0}, {0.8}}, {{1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decomposition r = run_svdcmp(c.a);
    expect_values(c.w, r.w, 1);
    expect_matrix_within_ulps(c.u, r.u, 4, "U");
    expect_matrix_within_ulps(c.v, r.v, 0, "V");
  }
}

TEST(Svdcmp, DiagonalInputKeepsItsValuesInPlace) {
  Decomposition r = run_svdcmp({{1, 0, 0}, {0, 0, 0}, {0, 0, 2}});
  expect_values({1, 0, 2}, r.w, 0);
}

// The zero first column leaves w[1] = 0 above a non-zero superdiagonal
// element, so w[1] has to be split off by the cancellation rotations.
TEST(Svdcmp, NegligibleDiagonalGoesThroughCancellation) {
  const Rows a = {{0, 0, 1}, {0, 0, 0}, {0, 1, 1}};
  Decomposition r = run_svdcmp(a);
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  EXPECT_EQ(0.0, r.w[1]);
  EXPECT_NEAR(phi, r.w[2], 4 * kEpsilon);
  EXPECT_NEAR(1.0 / phi, r.w[3], 4 * kEpsilon);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      double sum = 0.0;
      for (int k = 1; k <= 3; ++k) sum += r.u[i][k] * r.w[k] * r.v[j][k];
      EXPECT_NEAR(a[i - 1][j - 1], sum, 8 * kEpsilon) << i << "," << j;
    }
  }
}

// Every value is fixed to the bit by the order of operations. The expected
// doubles come from a separate line-by-line transcription of the routine in
// Octave (reference/make_reference_values.m), printed with 17 digits.
TEST(Svdcmp, MatchesReferenceTranscriptionBitForBit) {
  Decomposition r = run_svdcmp({{0.3, -1.2, 2.5},
                                {1.1, 0.4, -0.7},
                                {-2.2, 1.9, 0.6},
                                {0.05, -0.8, 1.3},
                                {1.7, 2.1, -0.9},
                                {-0.6, 0.2, 0.35}});
  expect_values({1.9245160080504735, 3.1994917451518496, 3.9337629195800119}, r.w, 0);
  expect_matrix_within_ulps({{0.61323791927359683, 0.17163817879053636, 0.62710915559941227},
                             {0.11630758935061414, 0.25839612367948278, -0.26979819507488467},
                             {0.28116470305396357, -0.91012737022220125, -0.049411293922076188},
                             {0.24250240352210956, 0.088582287239331425, 0.36258204885956224},
                             {0.68564976946207978, 0.15932914091030112, -0.62831091530037486},
                             {0.049347610921016874, -0.20544427970994691, 0.072534243567291379}},
                            r.u, 0, "U");
  expect_matrix_within_ulps({{0.43723644570276637, 0.85531166944111203, -0.27796805332100671},
                             {0.57187499560797583, -0.5029589030067908, -0.6480673817471323},
                             {0.69410610136173689, -0.1243956992989058, 0.70904332029033812}},
                            r.v, 0, "V");
}

TEST(Svdcmp, FewerRowsThanColumnsIsRefusedUntouched) {
  const Rows rows = {{1, 2, 3}, {4, 5, 6}};
  DMatrix a = make_matrix(rows);
  DVector w(1, 3);
  DMatrix v(1, 3, 1, 3);
  try {
    svdcmp(a.get(), 2, 3, w.get(), v.get());
    FAIL() << "no error";
  } catch (const NumericError& error) {
    EXPECT_STREQ("SVDCMP: You must augment A with extra zero rows", error.what());
  }
  expect_matrix_within_ulps(rows, a, 0, "A");
}

// Random and structured inputs of the shapes met in use (nSensors x 3 lead
// fields, up to 256 sensors) and some general ones: A comes back from
// U diag(w) V^T, U and V have orthonormal columns and every w is >= 0.
TEST(Svdcmp, DecomposesRectangularMatrices) {
  struct Case {
    const char* name;
    int m;
    int n;
    void (*shape)(DMatrix&, int, int);
  };
  auto random = [](DMatrix&, int, int) {};
  auto equalColumns = [](DMatrix& a, int m, int) {
    for (int i = 1; i <= m; ++i) a[i][3] = a[i][1];
  };
  auto zeroMiddleColumn = [](DMatrix& a, int m, int) {
    for (int i = 1; i <= m; ++i) a[i][2] = 0.0;
  };
  auto gradedColumns = [](DMatrix& a, int m, int n) {
    for (int i = 1; i <= m; ++i) {
      for (int j = 1; j <= n; ++j) a[i][j] *= std::pow(1e4, j - 2);
    }
  };
  auto rankOne = [](DMatrix& a, int m, int n) {
    for (int i = 1; i <= m; ++i) {
      for (int j = 1; j <= n; ++j) a[i][j] = a[i][1] * (j + 0.5);
    }
  };
  const Case cases[] = {
      {"3 x 3", 3, 3, random},
      {"4 x 3", 4, 3, random},
      {"10 x 3", 10, 3, random},
      {"64 x 3", 64, 3, random},
      {"256 x 3", 256, 3, random},
      {"5 x 5", 5, 5, random},
      {"40 x 17", 40, 17, random},
      {"120 x 120", 120, 120, random},
      {"8 x 1", 8, 1, random},
      {"32 x 3 equal columns", 32, 3, equalColumns},
      {"3 x 3 equal columns", 3, 3, equalColumns},
      {"32 x 3 zero middle column", 32, 3, zeroMiddleColumn},
      {"32 x 3 graded columns", 32, 3, gradedColumns},
      {"32 x 3 rank one", 32, 3, rankOne},
      {"6 x 6 rank one", 6, 6, rankOne},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int m = c.m, n = c.n;
    DMatrix a = random_matrix(m, n, seed++);
    c.shape(a, m, n);
    DMatrix input = copy_matrix(a.get(), m, n);
    DVector w(1, n);
    DMatrix v(1, n, 1, n);
    svdcmp(a.get(), m, n, w.get(), v.get());

    const double tolerance = 16 * (m + n) * kEpsilon * max_abs(input.get(), m, n) * n;
    double worst = 0.0;
    for (int i = 1; i <= m; ++i) {
      for (int j = 1; j <= n; ++j) {
        double sum = 0.0;
        for (int k = 1; k <= n; ++k) sum += a[i][k] * w[k] * v[j][k];
        worst = std::fmax(worst, std::fabs(sum - input[i][j]));
      }
    }
    EXPECT_LE(worst, tolerance);
    EXPECT_LE(orthonormality_error(a.get(), m, n), 16 * (m + n) * kEpsilon);
    EXPECT_LE(orthonormality_error(v.get(), n, n), 16 * (m + n) * kEpsilon);
    for (int k = 1; k <= n; ++k) EXPECT_GE(w[k], 0.0) << "w[" << k << "]";
  }
}

// A NaN or an infinity anywhere makes the norm bound NaN, so nothing tests
// negligible: with two or more columns that must end in the iteration error,
// never in a scan past the first position or a hang, and the work vector is
// released. A single column converges at once and returns.
TEST(Svdcmp, NonFiniteInputsEndInTheIterationError) {
  struct Shape {
    int m;
    int n;
  };
  for (const Shape& shape : {Shape{2, 2}, Shape{3, 3}, Shape{4, 3}, Shape{9, 3}}) {
    for (double bad : {kNaN, kInf, -kInf}) {
      for (int p = 1; p <= shape.m; ++p) {
        for (int q = 1; q <= shape.n; ++q) {
          SCOPED_TRACE(std::to_string(shape.m) + " x " + std::to_string(shape.n) + ", " +
                       std::to_string(bad) + " at " + std::to_string(p) + "," +
                       std::to_string(q));
          DMatrix a = random_matrix(shape.m, shape.n, 3);
          a[p][q] = bad;
          DVector w(1, shape.n);
          DMatrix v(1, shape.n, 1, shape.n);
          char message[64] = "no error";
          OutstandingArrays outstanding;
          try {
            svdcmp(a.get(), shape.m, shape.n, w.get(), v.get());
          } catch (const NumericError& error) {
            std::snprintf(message, sizeof message, "%s", error.what());
          }
          EXPECT_EQ(0, outstanding.count());
          EXPECT_STREQ(kNoConvergence, message);
        }
      }
    }
  }

  Decomposition single = run_svdcmp({{1}, {kNaN}, {2}});
  EXPECT_TRUE(std::isnan(single.w[1]));
}

// Successive calls share nothing: a call after a failed one gives the same
// bits as a call on its own.
TEST(Svdcmp, CallsAreIndependent) {
  const Rows rows = {{1, 2, 0.5}, {-3, 0.25, 4}, {2, 2, 2}, {0, -1, 7}};
  Decomposition reference = run_svdcmp(rows);
  EXPECT_THROW(run_svdcmp({{kNaN, 1}, {1, 1}}), NumericError);
  Decomposition again = run_svdcmp(rows);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(reference.w[k], again.w[k]);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(reference.v[j][k], again.v[j][k]);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(reference.u[i][k], again.u[i][k]);
  }
}

}  // namespace
