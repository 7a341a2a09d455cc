#include "scan/music_scan.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/parallel_for.h"
#include "numeric/jacobi.h"
#include "numeric/offset_arrays.h"
#include "numeric/svdcmp.h"
#include "scan/grid_lead_field.h"
#include "scan/lead_field_svd_store.h"
#include "scan/music_metric.h"
#include "scan/noise_vectors.h"
#include "scan/ordered_blocks.h"
#include "scan/point_outcomes.h"
#include "scan/signal_subspace.h"

namespace {

// Points per block handed from the workers to the calling thread.
constexpr long kScanBlockPoints = 64;
// Stores are read in blocks of about this many bytes.
constexpr std::size_t kReadBlockBytes = 1u << 20;

// The working arrays of one thread, made once and reused for every point.
struct ScanWorker {
  ScanWorker(int nSensors, const NoiseVectors& noise)
      : U(1, nSensors, 1, 3), w(1, 3), V(1, 3, 1, 3), metric(noise) {}
  DMatrix U;  // the lead field, then its left singular vectors
  DVector w;
  DMatrix V;
  MusicMetricWork metric;
};

long block_count(long nPoints, long blockPoints) { return (nPoints + blockPoints - 1) / blockPoints; }

int scan_workers(long nBlocks) {
  return static_cast<int>(std::min<long>(worker_count(), std::max(1L, nBlocks)));
}

}  // namespace

void music_scan(const int* siteIndex, int nSensors, const Point3* CoG, long nPoints,
                const Point3* R, const double* samples, int nSamples, double* V1, double* V2,
                double EPSILON, const ScanPrinter& print) {
  const SignalSubspace subspace = signal_subspace(samples, nSensors, nSamples, EPSILON);
  if (!subspace.jacobiConverged) print(jacobi_sweep_limit_notice);
  const NoiseVectors noise = noise_vectors(subspace.E.get(), subspace.signalDim, nSensors);

  const long nBlocks = block_count(nPoints, kScanBlockPoints);
  const int nWorkers = scan_workers(nBlocks);
  const long window = 4L * nWorkers;
  std::vector<std::unique_ptr<ScanWorker>> workers(nWorkers);
  std::vector<std::unique_ptr<GridLeadField>> leadFields(nWorkers);
  std::vector<PointOutcomes> outcomes(window);

  run_ordered_blocks(
      nBlocks, nWorkers, window, [&](long block) { outcomes[block % window].reset(); },
      [&](int worker, long block) {
        const long first = block * kScanBlockPoints;
        run_points(first, std::min(nPoints, first + kScanBlockPoints), outcomes[block % window],
                   [&](long p) {
                     if (!workers[worker]) {
                       workers[worker].reset(new ScanWorker(nSensors, noise));
                       leadFields[worker].reset(new GridLeadField(siteIndex, nSensors, CoG));
                     }
                     ScanWorker& state = *workers[worker];
                     leadFields[worker]->compute(R[p], state.U.get());
                     svdcmp(state.U.get(), nSensors, 3, state.w.get(), state.V.get());
                     return music_metric(state.U.get(), state.w.get(), noise, state.metric,
                                         &V1[p], &V2[p]);
                   });
      },
      [&](long block) {
        const long first = block * kScanBlockPoints;
        show_outcomes(outcomes[block % window], first, std::min(nPoints, first + kScanBlockPoints),
                      R, print);
      });
}

void music_scan_from_store(int nSensors, long nPoints, const double* samples, int nSamples,
                           double* V1, double* V2, double EPSILON, const std::string& path,
                           const ScanPrinter& print) {
  const SignalSubspace subspace = signal_subspace(samples, nSensors, nSamples, EPSILON);
  if (!subspace.jacobiConverged) print(jacobi_sweep_limit_notice);
  const NoiseVectors noise = noise_vectors(subspace.E.get(), subspace.signalDim, nSensors);
  StoreReader store(path, nSensors, nPoints);

  const std::size_t recordBytes = store_record_bytes(nSensors);
  const long blockPoints =
      static_cast<long>(std::max<std::size_t>(kScanBlockPoints, kReadBlockBytes / recordBytes));
  const long nBlocks = block_count(nPoints, blockPoints);
  const int nWorkers = scan_workers(nBlocks);
  const long window = 2L * nWorkers + 1;
  std::vector<std::unique_ptr<ScanWorker>> workers(nWorkers);
  std::vector<PointOutcomes> outcomes(window);
  std::vector<std::vector<unsigned char>> buffers(window);

  run_ordered_blocks(
      nBlocks, nWorkers, window,
      [&](long block) {
        const long first = block * blockPoints;
        const long count = std::min(nPoints, first + blockPoints) - first;
        std::vector<unsigned char>& buffer = buffers[block % window];
        buffer.resize(static_cast<std::size_t>(count) * recordBytes);
        store.read(buffer.data(), buffer.size());
        outcomes[block % window].reset();
      },
      [&](int worker, long block) {
        const unsigned char* records = buffers[block % window].data();
        const long first = block * blockPoints;
        run_points(first, std::min(nPoints, first + blockPoints), outcomes[block % window],
                   [&](long p) {
                     if (!workers[worker]) workers[worker].reset(new ScanWorker(nSensors, noise));
                     ScanWorker& state = *workers[worker];
                     decode_store_record(records + (p - first) * recordBytes, nSensors,
                                         state.U.get(), state.V.get(), state.w.get());
                     return music_metric(state.U.get(), state.w.get(), noise, state.metric,
                                         &V1[p], &V2[p]);
                   });
      },
      [&](long block) {
        const long first = block * blockPoints;
        show_outcomes(outcomes[block % window], first, std::min(nPoints, first + blockPoints),
                      nullptr, print);
      });
}
