#include "bem/centroid_solid_angles.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

#include "bem/triangle_solid_angle.h"

namespace {

// Columns first .. last-1: one triangle against every centroid, written in
// storage order.
void fill_columns(const Point3* corners, const Point3* centroids, long n, double* omega,
                  long first, long last) {
  for (long j = first; j < last; ++j) {
    const Point3& a = corners[3 * j];
    const Point3& b = corners[3 * j + 1];
    const Point3& c = corners[3 * j + 2];
    double* column = omega + j * n;
    for (long i = 0; i < n; ++i) column[i] = triangle_solid_angle(centroids[i], a, b, c);
    column[j] = 0.0;
  }
}

}  // namespace

void centroid_solid_angles(const Point3* corners, const Point3* centroids, long nTriangles,
                           double* omega, int nThreads) {
  if (nThreads <= 0) nThreads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const long nParts = std::max(1L, std::min<long>(nThreads, nTriangles));

  // Every column costs the same, so equal contiguous ranges balance the work.
  auto range_start = [&](long part) { return nTriangles * part / nParts; };

  std::vector<std::thread> workers;
  workers.reserve(static_cast<std::size_t>(nParts - 1));
  for (long part = 1; part < nParts; ++part) {
    const long first = range_start(part);
    const long last = range_start(part + 1);
    try {
      workers.emplace_back(fill_columns, corners, centroids, nTriangles, omega, first, last);
    } catch (const std::system_error&) {
      fill_columns(corners, centroids, nTriangles, omega, first, last);
    }
  }
  fill_columns(corners, centroids, nTriangles, omega, 0, range_start(1));
  for (std::thread& worker : workers) worker.join();
}
