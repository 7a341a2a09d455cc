// Time of bem_matrices on three concentric icosahedral spheres (radii 0.8,
// 0.9, 1.0 x 0.09 m), 320 and 1280 triangles per surface, and of its two
// heavy stages alone at 1280: the solid-angle matrix (all cores, and one
// thread for the speed-up) and the LAPACK inverse of the N x N matrix.
#include <benchmark/benchmark.h>

#include <thread>
#include <vector>

#include "bem/bem_matrices.h"
#include "bem/centroid_solid_angles.h"
#include "bem/conductivity_profile.h"
#include "bem/invert_matrix.h"
#include "tests/bem/icosphere.h"

namespace {

struct Head {
  TestMesh mesh[3];
  HeadSurface surfaces[3];
  long N;
};

Head spheres(int levels) {
  Head head = {{icosphere(levels, 0.09), icosphere(levels, 0.081), icosphere(levels, 0.072)},
               {},
               0};
  for (int s = 0; s < 3; ++s) {
    const TestMesh& m = head.mesh[s];
    head.surfaces[s] = {m.vertices.data(), static_cast<int>(m.vertices.size()),
                        m.triangles.data(), static_cast<int>(m.triangles.size() / 3)};
    head.N += head.surfaces[s].nTriangles;
  }
  return head;
}

void BM_BemMatrices(benchmark::State& state) {
  const Head head = spheres(static_cast<int>(state.range(0)));
  const long K = head.surfaces[2].nTriangles;
  std::vector<Point3> CoG(head.N);
  std::vector<double> B(head.N * head.N), B3(K * K);
  for (auto _ : state) {
    bem_matrices(quillet_conductivity_profile, head.surfaces, 3, CoG.data(), B.data(), B3.data(),
                 0);
    benchmark::DoNotOptimize(B.data());
  }
  state.counters["N"] = static_cast<double>(head.N);
}
BENCHMARK(BM_BemMatrices)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SolidAngles(benchmark::State& state) {
  const Head head = spheres(3);
  std::vector<Point3> corners, centroids;
  for (const TestMesh& m : head.mesh) {
    for (std::size_t t = 0; t < m.triangles.size(); t += 3) {
      const Point3& a = m.vertices[m.triangles[t]];
      const Point3& b = m.vertices[m.triangles[t + 1]];
      const Point3& c = m.vertices[m.triangles[t + 2]];
      corners.insert(corners.end(), {a, b, c});
      centroids.push_back({(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3});
    }
  }
  std::vector<double> omega(head.N * head.N);
  for (auto _ : state) {
    centroid_solid_angles(corners.data(), centroids.data(), head.N, omega.data(),
                          static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(omega.data());
  }
  state.counters["threads"] = static_cast<double>(
      state.range(0) > 0 ? state.range(0) : std::thread::hardware_concurrency());
}
BENCHMARK(BM_SolidAngles)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InvertMatrix(benchmark::State& state) {
  const int n = 3840;
  std::vector<double> a(static_cast<std::size_t>(n) * n);
  for (auto _ : state) {
    state.PauseTiming();
    // Diagonally dominant, like the deflated BEM operator.
    for (long j = 0; j < n; ++j) {
      for (long i = 0; i < n; ++i) a[i + j * n] = (i == j ? 2.0 : 0.0) + 1.0 / (1.0 + i + 2 * j);
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(invert_matrix(a.data(), n, 1e-12));
  }
}
BENCHMARK(BM_InvertMatrix)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
