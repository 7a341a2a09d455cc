// Scans, store writing, pemrick and quillet against the serial baseline on the
// same inputs, in the same run.
//
//   scripts/bench.sh      (or build/bench/scan_bench with Google Benchmark flags)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bem/bem_lead_field.h"
#include "bem/conductivity_profile.h"
#include "bench/baseline/music_scan.h"
#include "bench/baseline/precompute_lead_field_svd.h"
#include "bench/baseline/shell_lead_field.h"
#include "bench/bench_workload.h"
#include "scan/music_scan.h"
#include "scan/precompute_lead_field_svd.h"
#include "shell/shell_lead_field.h"

namespace {

const ScanPrinter kSilent = [](const std::string&) {};

const ScanWorkload& workload(int nSensors, long nPoints, int nSamples) {
  static std::vector<std::pair<std::vector<long>, ScanWorkload>> cache;
  const std::vector<long> key = {nSensors, nPoints, nSamples};
  for (const auto& entry : cache)
    if (entry.first == key) return entry.second;
  cache.emplace_back(key, scan_workload(nSensors, nPoints, nSamples));
  return cache.back().second;
}

std::string store_path(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void per_point(benchmark::State& state, long nPoints) {
  state.counters["us_per_point"] = benchmark::Counter(
      nPoints * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <bool kBaseline>
void BM_tressin(benchmark::State& state) {
  const ScanWorkload& w = workload(state.range(0), state.range(1), state.range(2));
  std::vector<double> V1(w.nPoints), V2(w.nPoints);
  for (auto _ : state) {
    if (kBaseline) {
      baseline::music_scan(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
                           w.dataRowPointers.data(), w.nSamples, V1.data(), V2.data(), 0.9,
                           kSilent);
    } else {
      music_scan(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
                 w.samples.data(), w.nSamples, V1.data(), V2.data(), 0.9, kSilent);
    }
  }
  per_point(state, w.nPoints);
}

template <bool kBaseline>
void BM_karvelo(benchmark::State& state) {
  const ScanWorkload& w = workload(state.range(0), state.range(1), state.range(2));
  const std::string path = store_path(kBaseline ? "eegscan-bench-slow.store" : "eegscan-bench.store");
  for (auto _ : state) {
    if (kBaseline) {
      baseline::precompute_lead_field_svd(w.siteIndex.data(), w.nSensors, w.CoG.data(),
                                          w.nPoints, w.R.data(), path, kSilent);
    } else {
      precompute_lead_field_svd(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints,
                                w.R.data(), path, kSilent);
    }
  }
  per_point(state, w.nPoints);
  state.SetBytesProcessed(state.iterations() * w.nPoints * (24 * w.nSensors + 96));
}

template <bool kBaseline>
void BM_sardovan(benchmark::State& state) {
  const ScanWorkload& w = workload(state.range(0), state.range(1), state.range(2));
  const std::string path = store_path("eegscan-bench-read.store");
  precompute_lead_field_svd(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
                            path, kSilent);
  std::vector<double> V1(w.nPoints), V2(w.nPoints);
  for (auto _ : state) {
    if (kBaseline) {
      baseline::music_scan_from_store(w.nSensors, w.nPoints, w.dataRowPointers.data(),
                                      w.nSamples, V1.data(), V2.data(), 0.9, path, kSilent);
    } else {
      music_scan_from_store(w.nSensors, w.nPoints, w.samples.data(), w.nSamples, V1.data(),
                            V2.data(), 0.9, path, kSilent);
    }
  }
  per_point(state, w.nPoints);
  std::filesystem::remove(path);
}

template <bool kBaseline>
void BM_pemrick(benchmark::State& state) {
  const std::vector<Point3> sensors = electrode_cap(state.range(1));
  const std::vector<Point3> sources = grid_in_head(state.range(0), 3);
  std::vector<const Point3*> sourceRows, sensorRows;
  for (const Point3& p : sources) sourceRows.push_back(&p);
  for (const Point3& p : sensors) sensorRows.push_back(&p);
  std::vector<double> block(sensors.size() * 3 * sources.size());
  std::vector<double*> rows;
  for (std::size_t j = 0; j < sensors.size(); ++j) rows.push_back(&block[j * 3 * sources.size()]);
  for (auto _ : state) {
    if (kBaseline) {
      baseline::shell_lead_field(sourceRows.data(), sources.size(), sensorRows.data(),
                                 sensors.size(), rows.data());
    } else {
      shell_lead_field(sourceRows.data(), sources.size(), sensorRows.data(), sensors.size(),
                       rows.data());
    }
  }
}

void BM_quillet(benchmark::State& state) {
  const int perSurface = state.range(0);
  const int nSensors = state.range(1);
  const int N = 3 * perSurface;
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<Point3> CoG;
  for (double radius : {0.09, 0.081, 0.072}) {
    const std::vector<Point3> shell = electrode_cap(perSurface);
    for (const Point3& p : shell) CoG.push_back({p.x * radius / 0.09, p.y * radius / 0.09, p.z * radius / 0.09});
  }
  std::vector<double> B(static_cast<std::size_t>(N) * N), B3(static_cast<std::size_t>(perSurface) * perSurface);
  for (double& x : B) x = value(random);
  for (double& x : B3) x = value(random);
  std::vector<int> sensorRows(nSensors), counts = {perSurface, perSurface, perSurface};
  for (int i = 0; i < nSensors; ++i) sensorRows[i] = i * (perSurface / nSensors);
  std::vector<double> W(3 * nSensors);
  const Point3 r{0.01, 0.02, 0.03};
  for (auto _ : state) {
    bem_lead_field(r, sensorRows.data(), nSensors, CoG.data(), 3, counts.data(), B.data(), N,
                   B3.data(), W.data(), quillet_conductivity_profile);
    benchmark::DoNotOptimize(W.data());
  }
}

}  // namespace

#define SCAN_BENCHMARK(function, ...)                                       \
  BENCHMARK_TEMPLATE(function, true)->Name(#function "_baseline")->Args(__VA_ARGS__)       \
      ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);          \
  BENCHMARK_TEMPLATE(function, false)->Name(#function)->Args(__VA_ARGS__)    \
      ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0)

SCAN_BENCHMARK(BM_tressin, {128, 20000, 1000});
SCAN_BENCHMARK(BM_tressin, {256, 20000, 10000});
SCAN_BENCHMARK(BM_sardovan, {128, 20000, 1000});
SCAN_BENCHMARK(BM_karvelo, {128, 20000, 1000});
SCAN_BENCHMARK(BM_pemrick, {2000, 256});
BENCHMARK(BM_quillet)->Args({1280, 256})->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
