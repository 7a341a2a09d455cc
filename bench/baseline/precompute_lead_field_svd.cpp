#include "bench/baseline/precompute_lead_field_svd.h"

#include <algorithm>
#include <vector>

#include "numeric/offset_arrays.h"
#include "numeric/svdcmp.h"
#include "bench/baseline/grid_lead_field.h"
#include "scan/lead_field_svd_store.h"

namespace baseline {

namespace {
// Records are gathered into blocks of about this size before each write.
constexpr std::size_t kWriteBlockBytes = 4u << 20;
}  // namespace

void precompute_lead_field_svd(const int* siteIndex, int nSensors, const Point3* CoG,
                               long nPoints, const Point3* R, const std::string& path,
                               const ScanPrinter& print) {
  StoreWriter store(path);
  GridLeadField leadField(siteIndex, nSensors, CoG);
  DMatrix L(1, nSensors, 1, 3);
  DVector w(1, 3);
  DMatrix V(1, 3, 1, 3);

  const std::size_t recordBytes = store_record_bytes(nSensors);
  const std::size_t recordsPerBlock = std::max<std::size_t>(1, kWriteBlockBytes / recordBytes);
  std::vector<unsigned char> block(recordsPerBlock * recordBytes);
  std::size_t filled = 0;

  for (long p = 0; p < nPoints; ++p) {
    print(grid_point_line(R[p]));
    leadField.compute(R[p], L.get());
    svdcmp(L.get(), nSensors, 3, w.get(), V.get());
    encode_store_record(L.get(), V.get(), w.get(), nSensors, &block[filled * recordBytes]);
    if (++filled == recordsPerBlock) {
      store.write(block.data(), filled * recordBytes);
      filled = 0;
    }
  }
  store.write(block.data(), filled * recordBytes);
  store.commit();
}

}  // namespace baseline
