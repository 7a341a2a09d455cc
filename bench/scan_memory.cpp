// Peak memory of the scans on a large grid: the resident set before the call
// (inputs and the two result vectors already in place) and at its peak.
//
//   build/bench/scan_memory [nPoints] [nSensors]     (default 1000000 and 64)

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_workload.h"
#include "scan/music_scan.h"
#include "scan/precompute_lead_field_svd.h"

namespace {

// Current and peak resident set in MiB, from /proc/self/status.
double status_mib(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::atof(line.c_str() + std::string(field).size()) / 1024.0;
  }
  return 0.0;
}

void reset_peak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const long nPoints = argc > 1 ? std::atol(argv[1]) : 1000000;
  const int nSensors = argc > 2 ? std::atoi(argv[2]) : 64;
  const ScanPrinter silent = [](const std::string&) {};
  ScanWorkload w = scan_workload(nSensors, nPoints, 1000);
  w.dataRows.clear();
  std::vector<double> V1(nPoints, 0.0), V2(nPoints, 0.0);
  const std::string path = (std::filesystem::temp_directory_path() / "eegscan-memory.store").string();
  std::printf("grid of %ld points, %d sensors, 1000 samples; store of %.0f MiB\n", nPoints,
              nSensors, nPoints * (24.0 * nSensors + 96) / 1048576.0);
  std::printf("%-10s %10s %14s %14s %10s\n", "scan", "seconds", "RSS before", "peak during", "growth");

  struct Run {
    const char* name;
    std::function<void()> call;
  };
  const std::vector<Run> runs = {
      {"tressin", [&] { music_scan(w.siteIndex.data(), nSensors, w.CoG.data(), nPoints, w.R.data(),
                                   w.samples.data(), 1000, V1.data(), V2.data(), 0.9, silent); }},
      {"karvelo", [&] { precompute_lead_field_svd(w.siteIndex.data(), nSensors, w.CoG.data(),
                                                  nPoints, w.R.data(), path, silent); }},
      {"sardovan", [&] { music_scan_from_store(nSensors, nPoints, w.samples.data(), 1000,
                                               V1.data(), V2.data(), 0.9, path, silent); }},
  };
  for (const Run& run : runs) {
    reset_peak();
    const double before = status_mib("VmRSS:");
    const auto start = std::chrono::steady_clock::now();
    run.call();
    const double elapsed = seconds_since(start);
    const double peak = status_mib("VmHWM:");
    std::printf("%-10s %10.2f %10.1f MiB %10.1f MiB %6.1f MiB\n", run.name, elapsed, before, peak,
                peak - before);
  }
  std::filesystem::remove(path);
  return 0;
}
