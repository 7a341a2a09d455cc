// Whole scans against the serial baseline on the same inputs.
//
//   build/bench/scan_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

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

void BM_tressin_baseline(benchmark::State& state) {
  const ScanWorkload& w = workload(state.range(0), state.range(1), state.range(2));
  std::vector<double> V1(w.nPoints), V2(w.nPoints);
  for (auto _ : state) {
    baseline::music_scan(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
                         w.dataRowPointers.data(), w.nSamples, V1.data(), V2.data(), 0.9, kSilent);
  }
  state.counters["us_per_point"] = benchmark::Counter(
      w.nPoints * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_tressin(benchmark::State& state) {
  const ScanWorkload& w = workload(state.range(0), state.range(1), state.range(2));
  std::vector<double> V1(w.nPoints), V2(w.nPoints);
  for (auto _ : state) {
    music_scan(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
               w.samples.data(), w.nSamples, V1.data(), V2.data(), 0.9, kSilent);
  }
  state.counters["us_per_point"] = benchmark::Counter(
      w.nPoints * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_tressin_baseline)->Args({128, 20000, 1000})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_tressin)->Args({128, 20000, 1000})->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
