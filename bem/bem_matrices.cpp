#include "bem/bem_matrices.h"

#include <cstddef>
#include <vector>

#include "bem/centroid_solid_angles.h"
#include "bem/invert_matrix.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Below this reciprocal condition number an inverse keeps fewer than about
// four significant digits: the mesh, not the arithmetic, is at fault.
constexpr double kMinReciprocalCondition = 1e-12;

}  // namespace

BemMatricesStatus bem_matrices(const double* conductivityProfile, const HeadSurface* surfaces,
                               int nSurfaces, Point3* CoG, double* B, double* B3, int nThreads) {
  const double* sigma = conductivityProfile;

  std::ptrdiff_t N = 0;
  for (int s = 0; s < nSurfaces; ++s) N += surfaces[s].nTriangles;
  const std::ptrdiff_t K = surfaces[nSurfaces - 1].nTriangles;
  const std::ptrdiff_t M = N - K;

  // Corners and centroids of all triangles, numbered on across surfaces,
  // and the (0-based) surface of each triangle.
  std::vector<Point3> corners(static_cast<std::size_t>(3 * N));
  std::vector<int> surfaceOf(static_cast<std::size_t>(N));
  std::ptrdiff_t t = 0;
  for (int s = 0; s < nSurfaces; ++s) {
    const HeadSurface& surface = surfaces[s];
    for (int k = 0; k < surface.nTriangles; ++k, ++t) {
      const Point3& a = surface.vertices[surface.triangles[3 * k]];
      const Point3& b = surface.vertices[surface.triangles[3 * k + 1]];
      const Point3& c = surface.vertices[surface.triangles[3 * k + 2]];
      corners[3 * t] = a;
      corners[3 * t + 1] = b;
      corners[3 * t + 2] = c;
      CoG[t] = {(a.x + b.x + c.x) / 3.0, (a.y + b.y + c.y) / 3.0, (a.z + b.z + c.z) / 3.0};
      surfaceOf[t] = s;
    }
  }

  // The solid angles go straight into B, which then becomes the system
  // matrix and finally its inverse: one N x N array in all.
  centroid_solid_angles(corners.data(), CoG, N, B, nThreads);

  // The isolated innermost surface takes its block of solid angles before
  // B is overwritten.
  const double inverseK = K > 0 ? 1.0 / static_cast<double>(K) : 0.0;
  for (std::ptrdiff_t j = 0; j < K; ++j) {
    for (std::ptrdiff_t i = 0; i < K; ++i) {
      const double identity = i == j ? 1.0 : 0.0;
      B3[i + j * K] = (identity - B[(M + i) + (M + j) * N] / kTwoPi) + inverseK;
    }
  }

  // factor[k][l] = (sigma-_l - sigma+_l) / ((sigma-_k + sigma+_k) * 2pi);
  // surface s (0-based) has compartment s + 1 inside and s outside.
  std::vector<double> factor(static_cast<std::size_t>(nSurfaces) * nSurfaces);
  for (int k = 0; k < nSurfaces; ++k) {
    for (int l = 0; l < nSurfaces; ++l) {
      factor[k * nSurfaces + l] =
          (sigma[l + 1] - sigma[l]) / ((sigma[k + 1] + sigma[k]) * kTwoPi);
    }
  }
  const double inverseN = 1.0 / static_cast<double>(N);
  for (std::ptrdiff_t j = 0; j < N; ++j) {
    const int l = surfaceOf[j];
    double* column = B + j * N;
    for (std::ptrdiff_t i = 0; i < N; ++i) {
      const double identity = i == j ? 1.0 : 0.0;
      column[i] = (identity - factor[surfaceOf[i] * nSurfaces + l] * column[i]) + inverseN;
    }
  }

  // Written as !(x >= limit) so that a NaN estimate counts as singular too.
  if (!(invert_matrix(B3, static_cast<int>(K), kMinReciprocalCondition) >=
        kMinReciprocalCondition)) {
    return BemMatricesStatus::singularB3;
  }
  if (!(invert_matrix(B, static_cast<int>(N), kMinReciprocalCondition) >=
        kMinReciprocalCondition)) {
    return BemMatricesStatus::singularB;
  }
  return BemMatricesStatus::ok;
}
