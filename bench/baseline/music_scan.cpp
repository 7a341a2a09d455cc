#include "bench/baseline/music_scan.h"

#include <algorithm>
#include <vector>

#include "numeric/jacobi.h"
#include "numeric/offset_arrays.h"
#include "numeric/svdcmp.h"
#include "bench/baseline/grid_lead_field.h"
#include "scan/lead_field_svd_store.h"
#include "bench/baseline/music_metric.h"
#include "bench/baseline/signal_subspace.h"

namespace baseline {

namespace {

// Stores are read in blocks of about this size.
constexpr std::size_t kReadBlockBytes = 4u << 20;

void show_notice_unless(bool converged, const ScanPrinter& print) {
  if (!converged) print(jacobi_sweep_limit_notice);
}

}  // namespace

void music_scan(const int* siteIndex, int nSensors, const Point3* CoG, long nPoints,
                const Point3* R, const double* const* dataRows, int nSamples, double* V1,
                double* V2, double EPSILON, const ScanPrinter& print) {
  const SignalSubspace subspace = signal_subspace(dataRows, nSensors, nSamples, EPSILON);
  show_notice_unless(subspace.jacobiConverged, print);

  GridLeadField leadField(siteIndex, nSensors, CoG);
  MusicMetricWork work(subspace.nNoise);
  DMatrix L(1, nSensors, 1, 3);
  DVector w(1, 3);
  DMatrix V(1, 3, 1, 3);
  for (long p = 0; p < nPoints; ++p) {
    print(grid_point_line(R[p]));
    leadField.compute(R[p], L.get());
    svdcmp(L.get(), nSensors, 3, w.get(), V.get());
    show_notice_unless(music_metric(L.get(), w.get(), subspace.E.get(), subspace.signalDim,
                                    nSensors, work, &V1[p], &V2[p]),
                       print);
  }
}

void music_scan_from_store(int nSensors, long nPoints, const double* const* dataRows,
                           int nSamples, double* V1, double* V2, double EPSILON,
                           const std::string& path, const ScanPrinter& print) {
  const SignalSubspace subspace = signal_subspace(dataRows, nSensors, nSamples, EPSILON);
  show_notice_unless(subspace.jacobiConverged, print);

  StoreReader store(path, nSensors, nPoints);
  MusicMetricWork work(subspace.nNoise);
  DMatrix U(1, nSensors, 1, 3);
  DVector w(1, 3);
  DMatrix V(1, 3, 1, 3);

  const std::size_t recordBytes = store_record_bytes(nSensors);
  const long recordsPerBlock =
      static_cast<long>(std::max<std::size_t>(1, kReadBlockBytes / recordBytes));
  std::vector<unsigned char> block(static_cast<std::size_t>(recordsPerBlock) * recordBytes);
  for (long first = 0; first < nPoints; first += recordsPerBlock) {
    const long count = std::min(recordsPerBlock, nPoints - first);
    store.read(block.data(), static_cast<std::size_t>(count) * recordBytes);
    for (long k = 0; k < count; ++k) {
      decode_store_record(&block[static_cast<std::size_t>(k) * recordBytes], nSensors, U.get(),
                          V.get(), w.get());
      show_notice_unless(music_metric(U.get(), w.get(), subspace.E.get(), subspace.signalDim,
                                      nSensors, work, &V1[first + k], &V2[first + k]),
                         print);
    }
  }
}

}  // namespace baseline
