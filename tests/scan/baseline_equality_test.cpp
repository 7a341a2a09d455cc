// The fast lead fields, scans and stores against the serial baseline, bit for
// bit, on random inputs: sensors, grids, data and thresholds, with the centre,
// pole and tangent-guard cases mixed in.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "bench/baseline/music_scan.h"
#include "bench/baseline/precompute_lead_field_svd.h"
#include "bench/baseline/shell_lead_field.h"
#include "bench/bench_workload.h"
#include "scan/music_scan.h"
#include "scan/precompute_lead_field_svd.h"
#include "shell/shell_lead_field.h"

namespace fs = std::filesystem;

namespace {

const ScanPrinter kSilent = [](const std::string&) {};

// Bitwise equality, so that NaN equals NaN and 0 differs from -0.
bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Random sources with the special cases: the centre, points on a sensor's
// axis (pole), and points a hair off it (tangent guard).
std::vector<Point3> awkward_sources(const std::vector<Point3>& sensors, int count, unsigned seed) {
  std::vector<Point3> sources = grid_in_head(count, seed);
  sources.push_back({0, 0, 0});
  for (int k = 0; k < 3; ++k) {
    const Point3 e = sensors[k];
    sources.push_back({0.5 * e.x, 0.5 * e.y, 0.5 * e.z});
    sources.push_back({-0.3 * e.x, -0.3 * e.y, -0.3 * e.z});
    sources.push_back({0.5 * e.x + 1e-9, 0.5 * e.y, 0.5 * e.z});
    sources.push_back({0.5 * e.x + 1e-12, 0.5 * e.y - 1e-12, 0.5 * e.z});
  }
  return sources;
}

TEST(BaselineEquality, ShellLeadField) {
  for (int nSensors : {1, 3, 8, 13, 64}) {
    SCOPED_TRACE(nSensors);
    std::vector<Point3> sensors = electrode_cap(nSensors);
    if (nSensors > 2) sensors[2] = {0, 0, 0.1};  // off the sphere of the first
    const std::vector<Point3> sources = awkward_sources(sensors, 40, nSensors);
    std::vector<const Point3*> sourceRows, sensorRows;
    for (const Point3& p : sources) sourceRows.push_back(&p);
    for (const Point3& p : sensors) sensorRows.push_back(&p);
    const std::size_t rowLength = 3 * sources.size();
    std::vector<double> fast(nSensors * rowLength), slow(nSensors * rowLength);
    std::vector<double*> fastRows, slowRows;
    for (int j = 0; j < nSensors; ++j) {
      fastRows.push_back(&fast[j * rowLength]);
      slowRows.push_back(&slow[j * rowLength]);
    }
    shell_lead_field(sourceRows.data(), sources.size(), sensorRows.data(), nSensors,
                     fastRows.data());
    baseline::shell_lead_field(sourceRows.data(), sources.size(), sensorRows.data(), nSensors,
                               slowRows.data());
    for (std::size_t k = 0; k < fast.size(); ++k) ASSERT_TRUE(same_bits(fast[k], slow[k])) << k;
  }
}

std::vector<unsigned char> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

TEST(BaselineEquality, ScansAndStores) {
  const fs::path folder = fs::temp_directory_path() / ("eegscan-equality-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  struct Case {
    int nSensors;
    long nPoints;
    int nSamples;
    double EPSILON;
  };
  const Case cases[] = {{3, 50, 7, 0.5}, {9, 300, 30, 0.99}, {32, 700, 64, 0.9},
                        {64, 200, 100, 2.0}, {40, 130, 20, -1.0}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.nSensors);
    ScanWorkload w = scan_workload(k.nSensors, k.nPoints, k.nSamples);
    std::vector<Point3> extra = awkward_sources(w.CoG, 0, 1);
    w.R.insert(w.R.end(), extra.begin(), extra.end());
    w.nPoints = static_cast<long>(w.R.size());

    std::vector<double> V1(w.nPoints), V2(w.nPoints), B1(w.nPoints), B2(w.nPoints);
    std::vector<std::string> fastText, slowText;
    music_scan(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
               w.samples.data(), w.nSamples, V1.data(), V2.data(), k.EPSILON,
               [&](const std::string& text) { fastText.push_back(text); });
    baseline::music_scan(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
                         w.dataRowPointers.data(), w.nSamples, B1.data(), B2.data(), k.EPSILON,
                         [&](const std::string& text) { slowText.push_back(text); });
    for (long p = 0; p < w.nPoints; ++p) {
      ASSERT_TRUE(same_bits(V1[p], B1[p])) << "V1 at " << p;
      ASSERT_TRUE(same_bits(V2[p], B2[p])) << "V2 at " << p;
    }
    EXPECT_EQ(fastText, slowText);

    const std::string fastStore = (folder / "fast.bin").string();
    const std::string slowStore = (folder / "slow.bin").string();
    precompute_lead_field_svd(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints, w.R.data(),
                              fastStore, kSilent);
    baseline::precompute_lead_field_svd(w.siteIndex.data(), w.nSensors, w.CoG.data(), w.nPoints,
                                        w.R.data(), slowStore, kSilent);
    EXPECT_EQ(file_bytes(fastStore), file_bytes(slowStore));

    std::fill(V1.begin(), V1.end(), 0.0);
    music_scan_from_store(w.nSensors, w.nPoints, w.samples.data(), w.nSamples, V1.data(),
                          V2.data(), k.EPSILON, fastStore, kSilent);
    baseline::music_scan_from_store(w.nSensors, w.nPoints, w.dataRowPointers.data(), w.nSamples,
                                    B1.data(), B2.data(), k.EPSILON, slowStore, kSilent);
    for (long p = 0; p < w.nPoints; ++p) {
      ASSERT_TRUE(same_bits(V1[p], B1[p])) << "store V1 at " << p;
      ASSERT_TRUE(same_bits(V2[p], B2[p])) << "store V2 at " << p;
    }
  }
  fs::remove_all(folder);
}

}  // namespace
