// [V1,V2] = name(sIndex, CoG, Triangles, B, B3, R, v, EPSILON, fName): the
// gateway of the four scan functions. karvelo and oblindra write the store of
// lead-field decompositions (V1 and V2 come back as zeros), tressin scans
// with lead fields computed on the spot, sardovan scans from a store.
// Triangles, B and B3 take part in no result.
//
// The build selects the operation with EEGSCAN_SCAN_OPERATION:
// 1 = precompute (karvelo, oblindra), 2 = scan (tressin), 3 = scan from a store
// (sardovan).

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "common/point3.h"
#include "gateway.h"
#include "numeric/numeric_fatal.h"
#include "scan/music_scan.h"
#include "scan/precompute_lead_field_svd.h"
#include "scan/scan_error.h"

#define EEGSCAN_PRECOMPUTE 1
#define EEGSCAN_SCAN 2
#define EEGSCAN_SCAN_FROM_STORE 3

namespace {

const char* const kFunction = EEGSCAN_MEX_NAME;
constexpr int kOperation = EEGSCAN_SCAN_OPERATION;
constexpr bool kUsesData = kOperation != EEGSCAN_PRECOMPUTE;
constexpr bool kUsesSites = kOperation != EEGSCAN_SCAN_FROM_STORE;

const char* usage_text() {
  return kOperation == EEGSCAN_SCAN_FROM_STORE
             ? "Usage : [V1,V2]=sardovan(sIndex,CoG,Triangles,B,B3,R,v,EPSILON,inputFileName)"
             : "Usage : [V1,V2]=sardovan(sIndex,CoG,Triangles,B,B3,R,v,EPSILON,fName)";
}

void bad_input(const std::string& message) { eegscan::fail(kFunction, "badInput", message); }

// The inputs as the scan operations take them.
struct ScanInputs {
  int nSensors = 0;
  std::vector<int> siteIndex;
  const Point3* CoG = nullptr;
  long nPoints = 0;
  const Point3* R = nullptr;
  int nSamples = 0;
  const double* samples = nullptr;  // v in place, sensor fastest
  double EPSILON = 0.0;
  std::string path;
};

void check_types(const mxArray* prhs[]) {
  eegscan::require_real_double(kFunction, prhs[0], "sIndex");
  eegscan::require_real_double(kFunction, prhs[1], "CoG");
  eegscan::require_real_double(kFunction, prhs[5], "R");
  if (kUsesData) {
    eegscan::require_real_double(kFunction, prhs[6], "v");
    eegscan::require_real_double(kFunction, prhs[7], "EPSILON");
  }
  eegscan::require_char_row(kFunction, prhs[8],
                            kOperation == EEGSCAN_SCAN_FROM_STORE ? "inputFileName" : "fName");
}

void read_sites(const mxArray* sIndex, const mxArray* CoG, ScanInputs& in) {
  const std::size_t nSensors = mxGetNumberOfElements(sIndex);
  if (nSensors == 0) bad_input("sIndex is empty: at least three sensors are needed");
  if (nSensors < 3) {
    bad_input("sIndex names " + std::to_string(nSensors) +
              " sensors: the lead field has three columns, so at least three are needed");
  }
  if (nSensors > static_cast<std::size_t>(INT_MAX / 3)) bad_input("sIndex names too many sensors");
  in.nSensors = static_cast<int>(nSensors);
  if (!kUsesSites) return;

  const long nCoG = static_cast<long>(mxGetNumberOfElements(CoG) / 3);
  const double* values = mxGetPr(sIndex);
  in.siteIndex.resize(nSensors);
  for (std::size_t k = 0; k < nSensors; ++k) {
    const long site = eegscan::truncated_index(values[k], nCoG);
    if (site < 0) {
      bad_input("sIndex(" + std::to_string(k + 1) + ") is not a CoG point number between 1 and " +
                std::to_string(nCoG));
    }
    in.siteIndex[k] = static_cast<int>(site);
  }
  in.CoG = reinterpret_cast<const Point3*>(mxGetPr(CoG));
}

void read_grid(const mxArray* R, ScanInputs& in) {
  const std::size_t nPoints = mxGetNumberOfElements(R) / 3;
  if (nPoints > static_cast<std::size_t>(LONG_MAX / 2)) bad_input("R holds too many points");
  in.nPoints = static_cast<long>(nPoints);
  in.R = reinterpret_cast<const Point3*>(mxGetPr(R));
}

// v is read in place, column by column with the sensor running fastest: row
// k, sample j is element k + j * nSensors; elements past nSensors * nSamples
// are ignored.
void read_data(const mxArray* v, const mxArray* EPSILON, ScanInputs& in) {
  const std::size_t nSamples = mxGetNumberOfElements(v) / in.nSensors;
  if (nSamples == 0) {
    bad_input("v holds fewer values than the " + std::to_string(in.nSensors) +
              " sensors: at least one sample per sensor is needed");
  }
  if (nSamples > static_cast<std::size_t>(INT_MAX)) bad_input("v holds too many samples");
  eegscan::require_min_elements(kFunction, EPSILON, "EPSILON", 1);
  in.EPSILON = mxGetPr(EPSILON)[0];
  if (std::isnan(in.EPSILON)) bad_input("EPSILON is not a number");

  in.nSamples = static_cast<int>(nSamples);
  in.samples = mxGetPr(v);
  const std::size_t used = nSamples * in.nSensors;
  if (std::all_of(in.samples, in.samples + used, [](double x) { return x == 0.0; })) {
    bad_input("v has no energy: every sample is zero");
  }
}

void print_to_host(const std::string& text) { mexPrintf("%s", text.c_str()); }

void run_operation(ScanInputs& in, double* V1, double* V2) {
  switch (kOperation) {
    case EEGSCAN_PRECOMPUTE:
      precompute_lead_field_svd(in.siteIndex.data(), in.nSensors, in.CoG, in.nPoints, in.R,
                                in.path, print_to_host);
      break;
    case EEGSCAN_SCAN:
      music_scan(in.siteIndex.data(), in.nSensors, in.CoG, in.nPoints, in.R,
                 in.samples, in.nSamples, V1, V2, in.EPSILON, print_to_host);
      break;
    default:
      music_scan_from_store(in.nSensors, in.nPoints, in.samples, in.nSamples, V1,
                            V2, in.EPSILON, in.path, print_to_host);
  }
}

void scan(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
  if (nrhs != 9) eegscan::fail(kFunction, "usage", usage_text());
  check_types(prhs);

  ScanInputs in;
  read_sites(prhs[0], prhs[1], in);
  read_grid(prhs[5], in);
  if (kUsesData) read_data(prhs[6], prhs[7], in);
  in.path = eegscan::char_array_text(prhs[8]);

  mxArray* V1 = mxCreateDoubleMatrix(in.nPoints, 1, mxREAL);
  mxArray* V2 = mxCreateDoubleMatrix(in.nPoints, 1, mxREAL);
  try {
    run_operation(in, mxGetPr(V1), mxGetPr(V2));
  } catch (const ScanError& error) {
    eegscan::fail(kFunction, error.kind(), error.what());
  } catch (const NumericError& error) {
    eegscan::fail(kFunction, "numeric", error.what());
  }
  plhs[0] = V1;
  // The host has room for one output even when none was asked for, and for
  // nlhs outputs otherwise.
  if (nlhs >= 2) {
    plhs[1] = V2;
  } else {
    mxDestroyArray(V2);
  }
}

}  // namespace

void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
  eegscan::run_gateway(kFunction, [&] { scan(nlhs, plhs, nrhs, prhs); });
}
