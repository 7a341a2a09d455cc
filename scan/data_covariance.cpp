#include "scan/data_covariance.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "common/parallel_for.h"
#include "common/simd.h"

namespace {

constexpr int kRowsPerTile = 4;
constexpr int kColumnsPerTile = 2 * kLanes;

// Sums for the pairs (i, j) with i in [i0, i0 + kRowsPerTile) and j in
// [j0, j0 + kColumnsPerTile), over every sample in order. Columns past the
// last sensor are read as zeros and their sums dropped.
EEGSCAN_SIMD_CLONES
void covariance_tile(const double* samples, int nSensors, long nSamples, int i0, int j0,
                     double sums[kRowsPerTile][kColumnsPerTile]) {
  Lanes low[kRowsPerTile], high[kRowsPerTile];
  for (int r = 0; r < kRowsPerTile; ++r) low[r] = high[r] = LANES_BROADCAST(0.0);
  const bool wholeTile = j0 + kColumnsPerTile <= nSensors;
  const int rows = std::min(kRowsPerTile, nSensors - i0);
  double partial[kColumnsPerTile] = {};
  for (long t = 0; t < nSamples; ++t) {
    const double* x = samples + t * nSensors;
    Lanes xLow, xHigh;
    if (wholeTile) {
      xLow = LANES_LOAD(x + j0);
      xHigh = LANES_LOAD(x + j0 + kLanes);
    } else {
      for (int k = 0; k < kColumnsPerTile; ++k) partial[k] = j0 + k < nSensors ? x[j0 + k] : 0.0;
      xLow = LANES_LOAD(partial);
      xHigh = LANES_LOAD(partial + kLanes);
    }
    for (int r = 0; r < rows; ++r) {
      const Lanes xi = LANES_BROADCAST(x[i0 + r]);
      low[r] = low[r] + xi * xLow;
      high[r] = high[r] + xi * xHigh;
    }
  }
  for (int r = 0; r < kRowsPerTile; ++r) {
    LANES_STORE(sums[r], low[r]);
    LANES_STORE(sums[r] + kLanes, high[r]);
  }
}

}  // namespace

void data_covariance(const double* samples, int nSensors, int nSamples, double** Cov) {
  // Tiles on and above the diagonal; a tile may hold pairs below it too, whose
  // sums equal those of the mirrored pair (the same products in the same order).
  struct Tile {
    int i0, j0;
  };
  std::vector<Tile> tiles;
  for (int i0 = 0; i0 < nSensors; i0 += kRowsPerTile) {
    for (int j0 = i0 / kColumnsPerTile * kColumnsPerTile; j0 < nSensors; j0 += kColumnsPerTile) {
      tiles.push_back({i0, j0});
    }
  }
  parallel_for(static_cast<long>(tiles.size()), 4, [&](long begin, long end) {
    double sums[kRowsPerTile][kColumnsPerTile];
    for (long k = begin; k < end; ++k) {
      const Tile tile = tiles[k];
      covariance_tile(samples, nSensors, nSamples, tile.i0, tile.j0, sums);
      for (int r = 0; r < kRowsPerTile && tile.i0 + r < nSensors; ++r) {
        const int i = tile.i0 + r + 1;
        for (int c = 0; c < kColumnsPerTile && tile.j0 + c < nSensors; ++c) {
          const int j = tile.j0 + c + 1;
          if (j < i) continue;
          Cov[j][i] = sums[r][c] / nSamples;
          Cov[i][j] = Cov[j][i];
        }
      }
    }
  });
}
