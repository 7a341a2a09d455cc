// The versions of the series kernel against each other, and the division by
// n without the divider against the divider, bit for bit.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "shell/series_block.h"
#include "shell/shell_series.h"

namespace {

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool has(const char* feature) {
  __builtin_cpu_init();
  if (std::strcmp(feature, "avx512f") == 0) return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("fma");
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

using Quotients = void (*)(const double*, int, int, double*);

// Values whose quotient by n lies next to a rounding boundary: x = RN(n m)
// for m halfway between two doubles, and its neighbours.
std::vector<double> hard_dividends(int n, std::mt19937_64& random) {
  std::uniform_int_distribution<int> exponent(-880, 500);
  std::uniform_real_distribution<double> mantissa(1.0, 2.0);
  std::vector<double> x;
  for (int k = 0; k < 4000; ++k) {
    const double q = std::ldexp(mantissa(random), exponent(random));
    const double m = q + (std::nextafter(q, INFINITY) - q) / 2;  // rounds back to q or its neighbour
    double value = n * m;
    for (int step = 0; step < 2; ++step) value = std::nextafter(value, -INFINITY);
    for (int step = 0; step < 5; ++step, value = std::nextafter(value, INFINITY)) {
      x.push_back(random() % 2 ? value : -value);
    }
    x.push_back(std::ldexp(mantissa(random), exponent(random)) * (random() % 2 ? 1 : -1));
  }
  x.resize(x.size() / 8 * 8);
  return x;
}

TEST(SeriesBlock, DivisionWithoutTheDividerIsTheDivision) {
  std::mt19937_64 random(3);
  const std::pair<const char*, Quotients> versions[] = {{"avx2", exact_quotients_avx2},
                                                         {"avx512f", exact_quotients_avx512}};
  for (const auto& version : versions) {
    if (!has(version.first)) continue;
    SCOPED_TRACE(version.first);
    for (int n = 3; n <= 100; ++n) {
      if ((n & (n - 1)) == 0) continue;
      const std::vector<double> x = hard_dividends(n, random);
      std::vector<double> q(x.size());
      version.second(x.data(), static_cast<int>(x.size()), n, q.data());
      for (std::size_t k = 0; k < x.size(); ++k) {
        ASSERT_TRUE(same_bits(q[k], x[k] / n)) << x[k] << " / " << n;
      }
    }
  }
}

TEST(SeriesBlock, EveryVersionGivesTheSameDoubles) {
  ShellSeries series;
  shell_series(series);
  std::mt19937_64 random(9);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (int trial = 0; trial < 300; ++trial) {
    double cg[8], sg[8], tau[3][8];
    long long general[8];
    for (int k = 0; k < 8; ++k) {
      cg[k] = unit(random);
      sg[k] = std::sqrt(1.0 - cg[k] * cg[k]);
      for (auto& axis : tau) axis[k] = unit(random);
      general[k] = -1;
    }
    // Poles, zero and tiny tangents, a NaN, exact zeros: the fallbacks.
    if (trial % 5 == 1) { general[3] = 0; tau[0][3] = tau[1][3] = tau[2][3] = 0.0; }
    if (trial % 5 == 2) tau[1][5] = 0.0;
    if (trial % 5 == 3) tau[2][6] = 1e-300;
    if (trial % 7 == 4) cg[2] = NAN;
    SeriesBlock block{series.c, series.order, series.orderPlusOne, series.nextRatio,
                      series.prevRatio, series.exactReciprocal, series.reciprocal,
                      {unit(random), unit(random), unit(random)}, 0.9 * std::fabs(unit(random)),
                      cg, sg, tau[0], tau[1], tau[2], general};
    double plain[3][8], wide[3][8];
    series_block_generic(block, 0, plain);
    for (const char* feature : {"avx2", "avx512f"}) {
      if (!has(feature)) continue;
      if (std::strcmp(feature, "avx2") == 0) series_block_avx2(block, 0, wide);
      else series_block_avx512(block, 0, wide);
      for (int a = 0; a < 3; ++a)
        for (int k = 0; k < 8; ++k) ASSERT_TRUE(same_bits(plain[a][k], wide[a][k])) << feature;
    }
  }
}

}  // namespace
