// MEX gateway of quillet and norveth:
//   W = quillet(r, sIndex, CoG, Triangles, B, B3)
// The BEM lead field of one dipole position r at the sensor rows sIndex of B.
// Both functions are built from this file; EEGSCAN_BEM_PROFILE names the
// conductivity profile of the build and is the only difference between them.
//
// Every argument is checked before anything is allocated or written, so a
// bad call ends with an eegscan:<name>:badInput error and no W; the
// computation itself trusts its inputs and would read outside them.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "bem/bem_lead_field.h"
#include "bem/conductivity_profile.h"
#include "common/point3.h"
#include "host/gateway.h"

#ifndef EEGSCAN_BEM_PROFILE
#error "EEGSCAN_BEM_PROFILE must name the conductivity profile of this build"
#endif

namespace {

const char* const kName = EEGSCAN_MEX_NAME;
// Both builds show the same text, naming quillet.
const char* const kUsage = "Usage : W=quillet(r,sIndex,CoG,Triangles,B,B3);";
constexpr int kSurfaces = 3;

[[noreturn]] void bad_input(const std::string& message) {
  eegscan::fail(kName, "badInput", message);
}

// The first three values of Triangles, truncated toward zero. A count that
// is not finite, negative or beyond the int range is rejected here, before
// it can wrap the total N or the sizes derived from it.
void read_triangle_counts(const double* triangles, int* triangleCounts) {
  for (int s = 0; s < kSurfaces; ++s) {
    const double value = triangles[s];
    if (!std::isfinite(value) || std::trunc(value) < 0.0 ||
        std::trunc(value) > static_cast<double>(INT_MAX)) {
      bad_input("Triangles(" + std::to_string(s + 1) + ") = " + eegscan::number_text(value) +
                " is not a triangle count (a whole number from 0 to " + std::to_string(INT_MAX) +
                ")");
    }
    triangleCounts[s] = static_cast<int>(std::trunc(value));
  }
}

// Rejects the first sIndex value that does not name a row 1 .. bRows of B
// after truncation (NaN and Inf included).
void check_sensor_rows(const double* sIndex, std::size_t nSensors, long bRows) {
  for (std::size_t i = 0; i < nSensors; ++i) {
    const long row = eegscan::truncated_index(sIndex[i], bRows);
    if (row < 0 || row > INT_MAX) {
      bad_input("sIndex(" + std::to_string(i + 1) + ") = " + eegscan::number_text(sIndex[i]) +
                " is not a row of B (1 to " + std::to_string(bRows) + ")");
    }
  }
}

}  // namespace

void mexFunction(int /*nlhs*/, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
  eegscan::run_gateway(kName, [&] {
    if (nrhs != 6) eegscan::fail(kName, "usage", kUsage);

    const char* const names[6] = {"r", "sIndex", "CoG", "Triangles", "B", "B3"};
    for (int a = 0; a < 6; ++a) eegscan::require_real_double(kName, prhs[a], names[a]);
    const mxArray* rArg = prhs[0];
    const mxArray* sIndexArg = prhs[1];
    const mxArray* cogArg = prhs[2];
    const mxArray* trianglesArg = prhs[3];
    const mxArray* bArg = prhs[4];
    const mxArray* b3Arg = prhs[5];

    eegscan::require_min_elements(kName, rArg, "r", 3);
    eegscan::require_min_elements(kName, trianglesArg, "Triangles", kSurfaces);

    int triangleCounts[kSurfaces];
    read_triangle_counts(mxGetPr(trianglesArg), triangleCounts);
    // 64-bit sums: three counts of up to INT_MAX each.
    const long long N = static_cast<long long>(triangleCounts[0]) + triangleCounts[1] +
                        triangleCounts[2];
    const long long K = triangleCounts[kSurfaces - 1];
    if (N == 0) bad_input("Triangles must count at least one triangle in all");
    if (N > INT_MAX) {
      bad_input("Triangles counts more than " + std::to_string(INT_MAX) + " triangles in all");
    }

    const std::size_t cogValues = mxGetNumberOfElements(cogArg);
    if (cogValues / 3 < static_cast<std::size_t>(N)) {
      bad_input("CoG must hold 3 x " + std::to_string(N) + " centroid coordinates, it holds " +
                std::to_string(cogValues) + " values");
    }
    // B has N columns and as many whole rows as its element count allows.
    const std::size_t bValues = mxGetNumberOfElements(bArg);
    const long bRows = static_cast<long>(bValues / static_cast<std::size_t>(N));
    if (bRows == 0) {
      bad_input("B must hold at least one row of " + std::to_string(N) + " columns, it holds " +
                std::to_string(bValues) + " values");
    }
    const std::size_t b3Values = mxGetNumberOfElements(b3Arg);
    if (b3Values < static_cast<std::size_t>(K * K)) {
      bad_input("B3 must hold " + std::to_string(K) + " x " + std::to_string(K) +
                " values, it holds " + std::to_string(b3Values));
    }
    const std::size_t nSensors = mxGetNumberOfElements(sIndexArg);
    if (nSensors > static_cast<std::size_t>(INT_MAX)) bad_input("sIndex holds too many sensors");
    const double* sIndex = mxGetPr(sIndexArg);
    check_sensor_rows(sIndex, nSensors, bRows);

    // Every argument is valid from here on.
    std::vector<int> sensorRows(nSensors);
    for (std::size_t i = 0; i < nSensors; ++i) {
      sensorRows[i] = static_cast<int>(eegscan::truncated_index(sIndex[i], bRows));
    }
    const double* rValues = mxGetPr(rArg);
    const Point3 r = {rValues[0], rValues[1], rValues[2]};
    const Point3* CoG = reinterpret_cast<const Point3*>(mxGetPr(cogArg));

    mxArray* W = mxCreateDoubleMatrix(3, nSensors, mxREAL);
    bem_lead_field(r, sensorRows.data(), static_cast<int>(nSensors), CoG, kSurfaces,
                   triangleCounts, mxGetPr(bArg), bRows, mxGetPr(b3Arg), mxGetPr(W),
                   EEGSCAN_BEM_PROFILE);
    plhs[0] = W;
  });
}
