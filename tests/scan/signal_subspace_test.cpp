// The data covariance about zero and the signal dimension from the squared
// eigenvalues.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "scan/scan_error.h"
#include "scan/signal_subspace.h"

namespace {

// The data as the host holds them: sensor fastest, one column per sample.
std::vector<double> column_major(const std::vector<std::vector<double>>& rows) {
  std::vector<double> samples;
  for (std::size_t t = 0; t < rows[0].size(); ++t)
    for (const auto& row : rows) samples.push_back(row[t]);
  return samples;
}

TEST(SignalSubspace, CovarianceIsTheSecondMomentAboutZero) {
  // Sensor 1 has samples 1 and 3, sensor 2 has 2 and 4: Cov = [5 7; 7 10],
  // whose eigenvalues are 7.5 +- sqrt(55.25).
  const std::vector<std::vector<double>> data = {{1, 3}, {2, 4}};
  const SignalSubspace subspace = signal_subspace(column_major(data).data(), 2, 2, 0.5);
  EXPECT_NEAR(subspace.lambda[1], 7.5 + std::sqrt(55.25), 1e-13);
  EXPECT_NEAR(subspace.lambda[2], 7.5 - std::sqrt(55.25), 1e-13);
  EXPECT_EQ(subspace.signalDim, 1);
}

TEST(SignalSubspace, SignalDimensionFromSquaredEigenvalueShares) {
  // Orthogonal data with covariance diag(3, 2, 1): the shares of the squared
  // eigenvalues are 9/14, 13/14 and 14/14.
  const double a = 3.0, b = std::sqrt(6.0), c = std::sqrt(3.0);
  const std::vector<std::vector<double>> data = {{a, 0, 0}, {0, b, 0}, {0, 0, c}};
  struct Case {
    double EPSILON;
    int signalDim;
  };
  const Case cases[] = {
      {0.5, 1}, {0.9, 2}, {0.95, 3}, {0.0, 1}, {-3.0, 1},
      {1.5, 3},  // never reached: every eigenvector is signal
      {std::numeric_limits<double>::infinity(), 3},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.EPSILON);
    const SignalSubspace subspace = signal_subspace(column_major(data).data(), 3, 3, k.EPSILON);
    EXPECT_EQ(subspace.lambda[1], 3.0);
    EXPECT_EQ(subspace.signalDim, k.signalDim);
    EXPECT_EQ(subspace.nNoise, 3 - k.signalDim);
  }
}

TEST(SignalSubspace, DataWithoutEnergyIsRefused) {
  const std::vector<std::vector<double>> data = {{0, 0}, {0, 0}, {0, 0}};
  EXPECT_THROW(signal_subspace(column_major(data).data(), 3, 2, 0.5), ScanError);
}

}  // namespace
