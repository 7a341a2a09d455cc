// The MUSIC values of one grid point.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scan/music_metric.h"

namespace {

// Four sensors, E the identity, U with columns (e1 + e2)/sqrt(2), e3, e4 and
// w = (2, 1, 1).
struct WorkedCase {
  DMatrix E{1, 4, 1, 4};
  DMatrix U{1, 4, 1, 3};
  DVector w{1, 3};
  WorkedCase() {
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 4; ++j) E[i][j] = i == j ? 1.0 : 0.0;
      for (int c = 1; c <= 3; ++c) U[i][c] = 0.0;
    }
    U[1][1] = U[2][1] = 1.0 / std::sqrt(2.0);
    U[3][2] = 1.0;
    U[4][3] = 1.0;
    w[1] = 2.0;
    w[2] = 1.0;
    w[3] = 1.0;
  }
};

TEST(MusicMetric, WorkedCaseLeavesTheLastNoiseVectorOutOfV2) {
  WorkedCase k;
  const NoiseVectors noise = noise_vectors(k.E.get(), 1, 4);
  MusicMetricWork work(noise);
  double V1 = 0, V2 = 0;
  EXPECT_TRUE(music_metric(k.U.get(), k.w.get(), noise, work, &V1, &V2));
  // M = diag(0.5, 1, 1): V1 = 2. b = 6, a = 3: V2 = 2 (all three noise
  // vectors would give a = 4 and V2 = 1.5).
  EXPECT_NEAR(V1, 2.0, 4 * std::numeric_limits<double>::epsilon());
  EXPECT_NEAR(V2, 2.0, 4 * std::numeric_limits<double>::epsilon());
}

TEST(MusicMetric, EmptyAndSingleNoiseSubspace) {
  WorkedCase k;
  double V1 = 0, V2 = 0;
  const NoiseVectors empty = noise_vectors(k.E.get(), 4, 4);
  MusicMetricWork none(empty);
  music_metric(k.U.get(), k.w.get(), empty, none, &V1, &V2);
  EXPECT_EQ(V1, std::numeric_limits<double>::infinity());
  EXPECT_EQ(V2, std::numeric_limits<double>::infinity());

  const NoiseVectors single = noise_vectors(k.E.get(), 3, 4);
  MusicMetricWork one(single);
  music_metric(k.U.get(), k.w.get(), single, one, &V1, &V2);
  EXPECT_EQ(V2, std::numeric_limits<double>::infinity());  // a is an empty sum
}

}  // namespace
