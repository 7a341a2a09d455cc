#include "bem/bem_lead_field.h"

#include <cstddef>
#include <vector>

#include "bem/infinite_medium_potential.h"

void bem_lead_field(const Point3& r, const int* sensorRows, int nSensors, const Point3* CoG,
                    int nSurfaces, const int* triangleCounts, const double* B, long bRows,
                    const double* B3, double* W, const double* conductivityProfile) {
  const double* sigma = conductivityProfile;
  const int n = nSurfaces;

  // Sizes and offsets are 64-bit: N, K*K and row + column * bRows can pass
  // the int range on large models even when every count fits an int.
  std::ptrdiff_t N = 0;
  for (int s = 0; s < n; ++s) N += triangleCounts[s];
  const std::ptrdiff_t K = triangleCounts[n - 1];
  const std::ptrdiff_t M = N - K;

  // g: one triple (x, y, z dipole directions) per triangle in CoG order;
  // v: one triple per innermost triangle. Every element is written before it
  // is read, so neither is zero-filled on purpose.
  std::vector<double> g(static_cast<std::size_t>(3 * N));
  std::vector<double> v(static_cast<std::size_t>(3 * K));

  // Right-hand side. Surface s separates compartments s-1 and s; the
  // triangle numbering runs on across surfaces, and an empty surface takes
  // no centroid but still owns its pair of conductivities.
  std::ptrdiff_t t = 0;
  for (int s = 1; s <= n; ++s) {
    for (int k = 0; k < triangleCounts[s - 1]; ++k, ++t) {
      infinite_medium_potential(CoG[t], r, sigma[s], sigma[s - 1], g.data() + 3 * t);
    }
  }

  // Outer surfaces: scale by the innermost conductivity.
  for (std::ptrdiff_t e = 0; e < 3 * M; ++e) g[e] = g[e] / sigma[n];

  // Isolated potential of the innermost surface, v = f * B3 * g_inner. The
  // factor f is applied to each product before it is summed, not once to
  // the sum, which fixes the rounding of every term.
  const double S = sigma[n - 1] + sigma[n];
  const double f = S / sigma[n];
  const double* gInner = g.data() + 3 * M;
  for (std::ptrdiff_t i = 0; i < K; ++i) {
    for (int c = 0; c < 3; ++c) {
      double sum = 0.0;
      for (std::ptrdiff_t j = 0; j < K; ++j) {
        sum += (gInner[3 * j + c] * B3[i + j * K]) * f;
      }
      v[3 * i + c] = sum;
    }
  }

  // Correction of the innermost surface; every v is computed above from the
  // uncorrected values, so the correction can overwrite g in place.
  for (std::ptrdiff_t j = 0; j < K; ++j) {
    for (int c = 0; c < 3; ++c) {
      const std::ptrdiff_t e = 3 * (M + j) + c;
      g[e] = g[e] / sigma[n] - (2.0 * v[3 * j + c]) / S;
    }
  }

  // Common factor of all triangles.
  for (std::ptrdiff_t e = 0; e < 3 * N; ++e) g[e] = g[e] * sigma[n - 1];

  // Sensors: the selected rows of B applied to g, summed in increasing
  // column order.
  for (int i = 0; i < nSensors; ++i) {
    const std::ptrdiff_t row = sensorRows[i];
    for (int c = 0; c < 3; ++c) {
      double sum = 0.0;
      for (std::ptrdiff_t j = 0; j < N; ++j) {
        sum += g[3 * j + c] * B[row + j * bRows];
      }
      W[3 * i + c] = sum;
    }
  }
}
