#include "scan/precompute_lead_field_svd.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/parallel_for.h"
#include "numeric/offset_arrays.h"
#include "numeric/svdcmp.h"
#include "scan/grid_lead_field.h"
#include "scan/lead_field_svd_store.h"
#include "scan/ordered_blocks.h"
#include "scan/point_outcomes.h"

namespace {

// Points per block: each block's records go to the store in one write.
constexpr long kPrecomputeBlockPoints = 64;

struct PrecomputeWorker {
  PrecomputeWorker(const int* siteIndex, int nSensors, const Point3* CoG)
      : leadField(siteIndex, nSensors, CoG), L(1, nSensors, 1, 3), w(1, 3), V(1, 3, 1, 3) {}
  GridLeadField leadField;
  DMatrix L;
  DVector w;
  DMatrix V;
};

}  // namespace

void precompute_lead_field_svd(const int* siteIndex, int nSensors, const Point3* CoG,
                               long nPoints, const Point3* R, const std::string& path,
                               const ScanPrinter& print) {
  StoreWriter store(path);
  const std::size_t recordBytes = store_record_bytes(nSensors);
  const long nBlocks = (nPoints + kPrecomputeBlockPoints - 1) / kPrecomputeBlockPoints;
  const int nWorkers = static_cast<int>(std::min<long>(worker_count(), std::max(1L, nBlocks)));
  const long window = 4L * nWorkers;
  std::vector<std::unique_ptr<PrecomputeWorker>> workers(nWorkers);
  std::vector<PointOutcomes> outcomes(window);
  std::vector<std::vector<unsigned char>> buffers(
      window, std::vector<unsigned char>(kPrecomputeBlockPoints * recordBytes));

  run_ordered_blocks(
      nBlocks, nWorkers, window, [&](long block) { outcomes[block % window].reset(); },
      [&](int worker, long block) {
        unsigned char* records = buffers[block % window].data();
        const long first = block * kPrecomputeBlockPoints;
        run_points(first, std::min(nPoints, first + kPrecomputeBlockPoints),
                   outcomes[block % window], [&](long p) {
                     if (!workers[worker]) {
                       workers[worker].reset(new PrecomputeWorker(siteIndex, nSensors, CoG));
                     }
                     PrecomputeWorker& state = *workers[worker];
                     state.leadField.compute(R[p], state.L.get());
                     svdcmp(state.L.get(), nSensors, 3, state.w.get(), state.V.get());
                     encode_store_record(state.L.get(), state.V.get(), state.w.get(), nSensors,
                                         records + (p - first) * recordBytes);
                     return true;
                   });
      },
      [&](long block) {
        const long first = block * kPrecomputeBlockPoints;
        const long last = std::min(nPoints, first + kPrecomputeBlockPoints);
        show_outcomes(outcomes[block % window], first, last, R, print);
        store.write(buffers[block % window].data(), static_cast<std::size_t>(last - first) * recordBytes);
      });
  store.commit();
}
