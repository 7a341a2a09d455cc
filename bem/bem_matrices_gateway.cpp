// MEX gateway of bem_matrices:
//   [B, B3, CoG, Triangles] = bem_matrices(profile, V1, F1, V2, F2, V3, F3)
// The BEM matrices of three nested closed surfaces for quillet or norveth.
//
// Every argument and the meshes themselves are checked before the outputs
// are made, so a bad call ends with an eegscan:bem_matrices:<kind> error
// and does none of the heavy work.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "bem/bem_matrices.h"
#include "bem/check_head_surfaces.h"
#include "bem/conductivity_profile.h"
#include "bem/head_surface.h"
#include "common/point3.h"
#include "host/gateway.h"

namespace {

const char* const kName = "bem_matrices";
const char* const kUsage = "Usage : [B,B3,CoG,Triangles]=bem_matrices(profile,V1,F1,V2,F2,V3,F3);";
constexpr int kSurfaces = 3;
// N * N stays below 2^31, so that no index into B overflows a 32-bit int in
// LAPACK; B would take 17 GB at this size anyway.
constexpr long kMaxTriangles = 46340;

[[noreturn]] void bad_input(const std::string& message) {
  eegscan::fail(kName, "badInput", message);
}

const double* select_profile(const mxArray* profileArg) {
  eegscan::require_char_row(kName, profileArg, "profile");
  const std::string profile = eegscan::char_array_text(profileArg);
  if (profile == "quillet") return quillet_conductivity_profile;
  if (profile == "norveth") return norveth_conductivity_profile;
  bad_input("profile must be 'quillet' or 'norveth', not '" + profile + "'");
}

// An n x 3 real double matrix, n >= 1.
std::size_t require_three_columns(const mxArray* argument, const std::string& name,
                                  const char* what) {
  eegscan::require_real_double(kName, argument, name.c_str());
  const std::size_t rows = mxGetM(argument);
  if (mxGetNumberOfDimensions(argument) != 2 || mxGetN(argument) != 3 || rows == 0) {
    bad_input(name + " must be an n x 3 matrix of " + what + ", one row each");
  }
  // Vertex and triangle numbers are held as int.
  if (rows > static_cast<std::size_t>(INT_MAX)) {
    bad_input(name + " has more than " + std::to_string(INT_MAX) + " rows");
  }
  return rows;
}

// V (n x 3, one vertex per row) into Point3 records.
std::vector<Point3> read_vertices(const mxArray* argument, int s) {
  const std::string name = "V" + std::to_string(s + 1);
  const std::size_t n = require_three_columns(argument, name, "vertex positions");
  const double* values = mxGetPr(argument);
  for (std::size_t k = 0; k < 3 * n; ++k) {
    if (!std::isfinite(values[k])) {
      bad_input(name + "(" + std::to_string(k % n + 1) + "," + std::to_string(k / n + 1) +
                ") = " + eegscan::number_text(values[k]) + " is not a finite coordinate");
    }
  }
  std::vector<Point3> vertices(n);
  for (std::size_t i = 0; i < n; ++i) vertices[i] = {values[i], values[i + n], values[i + 2 * n]};
  return vertices;
}

// F (m x 3, 1-based vertex numbers) into 0-based corner triples.
std::vector<int> read_triangles(const mxArray* argument, int s, std::size_t nVertices) {
  const std::string name = "F" + std::to_string(s + 1);
  const std::size_t m = require_three_columns(argument, name, "vertex numbers");
  const double* values = mxGetPr(argument);
  std::vector<int> triangles(3 * m);
  for (std::size_t t = 0; t < m; ++t) {
    for (std::size_t k = 0; k < 3; ++k) {
      const double value = values[t + k * m];
      if (!(value >= 1.0 && value <= static_cast<double>(nVertices) && value == std::trunc(value))) {
        eegscan::fail(kName, "badIndex",
                      name + "(" + std::to_string(t + 1) + "," + std::to_string(k + 1) + ") = " +
                          eegscan::number_text(value) + " is not a vertex number of V" +
                          std::to_string(s + 1) + " (a whole number from 1 to " +
                          std::to_string(nVertices) + ")");
      }
      triangles[3 * t + k] = static_cast<int>(value) - 1;
    }
  }
  return triangles;
}

const char* problem_identifier(SurfaceProblemKind kind) {
  switch (kind) {
    case SurfaceProblemKind::degenerateTriangle: return "degenerateTriangle";
    case SurfaceProblemKind::notClosed: return "notClosed";
    case SurfaceProblemKind::badOrientation: return "badOrientation";
    case SurfaceProblemKind::inwardSurface: return "inwardSurface";
    case SurfaceProblemKind::degenerateSurface: return "degenerateSurface";
    case SurfaceProblemKind::notNested: return "notNested";
    case SurfaceProblemKind::none: break;
  }
  return "badInput";
}

}  // namespace

void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
  eegscan::run_gateway(kName, [&] {
    if (nrhs != 7 || nlhs > 4) eegscan::fail(kName, "usage", kUsage);

    const double* profile = select_profile(prhs[0]);
    std::vector<Point3> vertices[kSurfaces];
    std::vector<int> triangles[kSurfaces];
    HeadSurface surfaces[kSurfaces];
    long N = 0;
    for (int s = 0; s < kSurfaces; ++s) {
      vertices[s] = read_vertices(prhs[1 + 2 * s], s);
      triangles[s] = read_triangles(prhs[2 + 2 * s], s, vertices[s].size());
      surfaces[s] = {vertices[s].data(), static_cast<int>(vertices[s].size()), triangles[s].data(),
                     static_cast<int>(triangles[s].size() / 3)};
      N += surfaces[s].nTriangles;
    }
    if (N > kMaxTriangles) {
      eegscan::fail(kName, "tooLarge",
                    "the surfaces hold " + std::to_string(N) + " triangles in all; at most " +
                        std::to_string(kMaxTriangles) + " fit one N x N matrix B");
    }
    const SurfaceProblem problem = check_head_surfaces(surfaces, kSurfaces);
    if (problem.kind != SurfaceProblemKind::none) {
      eegscan::fail(kName, problem_identifier(problem.kind), problem.message);
    }

    // Every argument is valid from here on.
    const long K = surfaces[kSurfaces - 1].nTriangles;
    mxArray* B = mxCreateDoubleMatrix(N, N, mxREAL);
    mxArray* B3 = mxCreateDoubleMatrix(K, K, mxREAL);
    mxArray* CoG = mxCreateDoubleMatrix(3, N, mxREAL);
    mxArray* Triangles = mxCreateDoubleMatrix(1, kSurfaces, mxREAL);
    const BemMatricesStatus status =
        bem_matrices(profile, surfaces, kSurfaces, reinterpret_cast<Point3*>(mxGetPr(CoG)),
                     mxGetPr(B), mxGetPr(B3), 0);
    if (status != BemMatricesStatus::ok) {
      eegscan::fail(kName, "singular",
                    std::string(status == BemMatricesStatus::singularB ? "the system matrix B"
                                                                       : "the matrix B3") +
                        " is singular to working precision; check that the surfaces neither "
                        "touch nor cross");
    }
    for (int s = 0; s < kSurfaces; ++s) mxGetPr(Triangles)[s] = surfaces[s].nTriangles;

    mxArray* outputs[4] = {B, B3, CoG, Triangles};
    const int nOutputs = nlhs > 1 ? nlhs : 1;
    for (int k = 0; k < 4; ++k) {
      if (k < nOutputs) {
        plhs[k] = outputs[k];
      } else {
        mxDestroyArray(outputs[k]);
      }
    }
  });
}
