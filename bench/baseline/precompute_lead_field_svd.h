// The straightforward serial reading of the scan steps, kept as the
// baseline that the benchmarks measure against and that the equality tests
// compare the fast code with, bit for bit.
//
// precompute_lead_field_svd: the store of per-point lead-field decompositions.
//
// For every grid point, in the order of R: shows the point, computes the
// shell-model lead field L at the sensor sites, decomposes it as
// L = U diag(w) V' and writes U, V and w as the point's record (see
// lead_field_svd_store.h). The store is written safely: on any failure no
// partial store is left and an older store at the path stays as it was.
//
// Inputs:
//   siteIndex  nSensors 0-based site numbers among the CoG points
//   nSensors   number of sensors (at least 3)
//   CoG        candidate sensor sites
//   nPoints    number of grid points
//   R          nPoints grid points
//   path       the store's path
//   print      receives the " R :" line of each point
// Outputs:
//   the store at path; throws ScanError (path problems) or NumericError
#pragma once

#include <string>

#include "common/point3.h"
#include "scan/scan_progress.h"

namespace baseline {

void precompute_lead_field_svd(const int* siteIndex, int nSensors, const Point3* CoG,
                               long nPoints, const Point3* R, const std::string& path,
                               const ScanPrinter& print);

}  // namespace baseline
