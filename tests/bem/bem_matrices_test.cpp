// bem_matrices and its parts: solid angles against exact values, the mesh
// checks against one broken mesh per problem, the LAPACK inverse, and the
// matrices themselves against properties that hold for any valid mesh and
// against the exact potential of a centred dipole in layered spheres.
#include "bem/bem_matrices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "bem/bem_lead_field.h"
#include "bem/check_head_surfaces.h"
#include "bem/conductivity_profile.h"
#include "bem/invert_matrix.h"
#include "bem/surface_solid_angle.h"
#include "bem/triangle_solid_angle.h"
#include "tests/bem/icosphere.h"

namespace {

constexpr double kPi = 3.141592653589793;

// --- Solid angles -------------------------------------------------------

struct SolidAngleCase {
  const char* what;
  Point3 p, a, b, c;
  double expected;
};

// Exact values by symmetry: an octant face of the octahedron is 1/8 of the
// sphere, half a cube face 1/12.
const SolidAngleCase kSolidAngleCases[] = {
    {"octant face from the centre", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, kPi / 2},
    {"the same face reversed", {0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 1, 0}, -kPi / 2},
    {"octant face five times larger", {0, 0, 0}, {5, 0, 0}, {0, 5, 0}, {0, 0, 5}, kPi / 2},
    {"half a cube face from the centre", {0, 0, 0}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}, kPi / 3},
    {"half a cube face off the origin", {2, 3, -1}, {3, 2, 0}, {3, 4, 0}, {1, 4, 0}, kPi / 3},
    {"point in the plane, outside", {1, 1, -1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 0.0},
    {"point on a corner", {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 0.0},
};

TEST(TriangleSolidAngle, ExactValues) {
  for (const SolidAngleCase& c : kSolidAngleCases) {
    EXPECT_NEAR(triangle_solid_angle(c.p, c.a, c.b, c.c), c.expected, 1e-14) << c.what;
  }
}

TEST(TriangleSolidAngle, SmallFarTriangleIsAreaOverDistanceSquared) {
  // Area 0.5 facing the point from distance 100; the flat-patch value
  // 0.5 / 100^2 holds to about (size / distance)^2.
  const double omega = triangle_solid_angle({0, 0, -100}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  EXPECT_NEAR(omega, 0.5 / 1e4, 1e-4 * 0.5 / 1e4);
}

HeadSurface view(const TestMesh& mesh) {
  return {mesh.vertices.data(), static_cast<int>(mesh.vertices.size()), mesh.triangles.data(),
          static_cast<int>(mesh.triangles.size() / 3)};
}

TEST(SurfaceSolidAngle, FourPiInsideZeroOutside) {
  const TestMesh sphere = icosphere(2, 1.0);
  EXPECT_NEAR(surface_solid_angle({0.3, -0.2, 0.5}, view(sphere)), 4 * kPi, 1e-12);
  EXPECT_NEAR(surface_solid_angle({0.0, 0.0, 0.0}, view(sphere)), 4 * kPi, 1e-12);
  EXPECT_NEAR(surface_solid_angle({1.5, 0.2, 0.0}, view(sphere)), 0.0, 1e-12);
  EXPECT_NEAR(surface_solid_angle({0.9, 0.0, 0.0}, view(sphere)), 4 * kPi, 1e-12);
}

// --- Mesh checks --------------------------------------------------------

struct Head {
  TestMesh mesh[3];
  SurfaceProblem check() const {
    const HeadSurface surfaces[3] = {view(mesh[0]), view(mesh[1]), view(mesh[2])};
    return check_head_surfaces(surfaces, 3);
  }
};

Head spheres(int levels) {
  return {{icosphere(levels, 1.0), icosphere(levels, 0.9), icosphere(levels, 0.8)}};
}

struct MeshCase {
  const char* what;
  void (*breakIt)(Head&);
  SurfaceProblemKind kind;
  const char* messagePart;
};

// Each case breaks one thing of three nested icospheres (80 triangles each).
const MeshCase kMeshCases[] = {
    {"valid head", [](Head&) {}, SurfaceProblemKind::none, ""},
    {"repeated corner", [](Head& h) { h.mesh[1].triangles[3 * 4 + 2] = h.mesh[1].triangles[3 * 4]; },
     SurfaceProblemKind::degenerateTriangle, "triangle 5 of surface 2"},
    {"two corners at one place",
     [](Head& h) {
       std::vector<int>& f = h.mesh[2].triangles;
       h.mesh[2].vertices[f[1]] = h.mesh[2].vertices[f[0]];
     },
     SurfaceProblemKind::degenerateTriangle, "of surface 3"},
    {"a triangle missing",
     [](Head& h) { h.mesh[0].triangles.resize(h.mesh[0].triangles.size() - 3); },
     SurfaceProblemKind::notClosed, "belongs to 1 triangle"},
    {"a triangle twice",
     [](Head& h) {
       std::vector<int>& f = h.mesh[1].triangles;
       f.insert(f.end(), {f[0], f[1], f[2]});
     },
     SurfaceProblemKind::notClosed, "belongs to 3 triangles"},
    {"one triangle flipped",
     [](Head& h) { std::swap(h.mesh[1].triangles[3 * 7 + 1], h.mesh[1].triangles[3 * 7 + 2]); },
     SurfaceProblemKind::badOrientation, "of surface 2 are oriented in opposite senses"},
    {"every triangle flipped",
     [](Head& h) {
       std::vector<int>& f = h.mesh[2].triangles;
       for (std::size_t t = 0; t < f.size(); t += 3) std::swap(f[t + 1], f[t + 2]);
     },
     SurfaceProblemKind::inwardSurface, "surface 3 face inward"},
    {"flattened onto a plane",
     [](Head& h) {
       for (Point3& v : h.mesh[0].vertices) v.z = 0;
     },
     SurfaceProblemKind::degenerateTriangle, "of surface 1"},
    {"surfaces in the wrong order", [](Head& h) { std::swap(h.mesh[0], h.mesh[2]); },
     SurfaceProblemKind::notNested, "of surface 2"},
    {"inner surface pushed through the middle one",
     [](Head& h) {
       for (Point3& v : h.mesh[2].vertices) v.x += 0.15;
     },
     SurfaceProblemKind::notNested, "of surface 3"},
    {"middle surface dented into the inner one",
     [](Head& h) {
       // A vertex of the middle surface that is no corner of the original
       // icosahedron, pulled halfway in towards the centre; the inner
       // surface becomes the bare icosahedron, whose corners stay inside.
       Point3& v = h.mesh[1].vertices[20];
       v = {0.3 * v.x, 0.3 * v.y, 0.3 * v.z};
       h.mesh[2] = icosphere(0, 0.8);
     },
     SurfaceProblemKind::notNested, "is not outside surface 3"},
};

TEST(CheckHeadSurfaces, EachBrokenMeshGivesItsProblem) {
  for (const MeshCase& c : kMeshCases) {
    Head head = spheres(1);
    c.breakIt(head);
    const SurfaceProblem found = head.check();
    EXPECT_EQ(static_cast<int>(found.kind), static_cast<int>(c.kind))
        << c.what << ": " << found.message;
    EXPECT_NE(found.message.find(c.messagePart), std::string::npos)
        << c.what << ": " << found.message;
  }
}

// --- Inverse ------------------------------------------------------------

TEST(InvertMatrix, InverseOfANonsymmetricMatrix) {
  // Column-major [2 1 0; 0 1 3; 1 0 1]; a transposed read would give the
  // inverse of the transpose, which differs.
  std::vector<double> a = {2, 0, 1, 1, 1, 0, 0, 3, 1};
  const std::vector<double> original = a;
  EXPECT_GT(invert_matrix(a.data(), 3, 1e-12), 1e-3);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double sum = 0;
      for (int k = 0; k < 3; ++k) sum += original[i + 3 * k] * a[k + 3 * j];
      EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-15) << i << "," << j;
    }
  }
}

TEST(InvertMatrix, SingularMatricesAreReported) {
  std::vector<double> exactly = {1, 2, 2, 4};
  EXPECT_EQ(invert_matrix(exactly.data(), 2, 1e-12), 0.0);
  std::vector<double> nearly = {1, 1, 1, 1 + 1e-15};
  EXPECT_LT(invert_matrix(nearly.data(), 2, 1e-12), 1e-12);
  EXPECT_EQ(invert_matrix(nullptr, 0, 1e-12), 1.0);
}

// --- The matrices -------------------------------------------------------

struct Matrices {
  std::vector<Point3> CoG;
  std::vector<double> B, B3;
  BemMatricesStatus status;
};

Matrices build(const Head& head, const double* profile, int nThreads) {
  const HeadSurface surfaces[3] = {view(head.mesh[0]), view(head.mesh[1]), view(head.mesh[2])};
  const std::size_t N = (head.mesh[0].triangles.size() + head.mesh[1].triangles.size() +
                         head.mesh[2].triangles.size()) / 3;
  const std::size_t K = head.mesh[2].triangles.size() / 3;
  Matrices m = {std::vector<Point3>(N), std::vector<double>(N * N), std::vector<double>(K * K),
                BemMatricesStatus::ok};
  m.status = bem_matrices(profile, surfaces, 3, m.CoG.data(), m.B.data(), m.B3.data(), nThreads);
  return m;
}

// A constant potential solves the homogeneous problem (C e = e), so the
// deflated inverses map e to e: every row of B and B3 sums to 1. This holds
// only with the right signs of the solid angles and the conductivities on
// the right sides of each surface.
TEST(BemMatrices, RowsSumToOneForBothProfiles) {
  const Head head = spheres(1);
  for (const double* profile : {quillet_conductivity_profile, norveth_conductivity_profile}) {
    const Matrices m = build(head, profile, 0);
    ASSERT_EQ(m.status, BemMatricesStatus::ok);
    for (const std::vector<double>* matrix : {&m.B, &m.B3}) {
      const std::size_t n = static_cast<std::size_t>(std::lround(std::sqrt(matrix->size())));
      for (std::size_t i = 0; i < n; ++i) {
        double sum = 0;
        for (std::size_t j = 0; j < n; ++j) sum += (*matrix)[i + j * n];
        EXPECT_NEAR(sum, 1.0, 1e-12) << "row " << i << " of a " << n << " x " << n << " matrix";
      }
    }
  }
}

TEST(BemMatrices, CentroidsInSurfaceOrderAndB3FreeOfConductivities) {
  const Head head = spheres(1);
  const Matrices q = build(head, quillet_conductivity_profile, 0);
  const Matrices n = build(head, norveth_conductivity_profile, 0);
  // Triangle 81 is the first of surface 2.
  const TestMesh& middle = head.mesh[1];
  const Point3& a = middle.vertices[middle.triangles[0]];
  const Point3& b = middle.vertices[middle.triangles[1]];
  const Point3& c = middle.vertices[middle.triangles[2]];
  EXPECT_DOUBLE_EQ(q.CoG[80].x, (a.x + b.x + c.x) / 3);
  EXPECT_DOUBLE_EQ(q.CoG[80].y, (a.y + b.y + c.y) / 3);
  EXPECT_DOUBLE_EQ(q.CoG[80].z, (a.z + b.z + c.z) / 3);
  EXPECT_EQ(q.B3, n.B3);
  EXPECT_NE(q.B, n.B);
}

TEST(BemMatrices, SameBitsWithAnyNumberOfThreads) {
  const Head head = spheres(1);
  const Matrices one = build(head, quillet_conductivity_profile, 1);
  for (int nThreads : {2, 3, 7}) {
    const Matrices more = build(head, quillet_conductivity_profile, nThreads);
    EXPECT_EQ(more.B, one.B) << nThreads << " threads";
    EXPECT_EQ(more.B3, one.B3) << nThreads << " threads";
  }
}

// A dipole at the centre of concentric spheres excites only the first
// spherical harmonic: on the outer sphere (radius 1) the potential of a unit
// z dipole is T * cos(theta) / (4 pi sigma_inner), where T follows from
// carrying the degree-1 solution a r + b / r^2 across each interface
// (potential and normal current continuous, no current through the outer
// surface). T = 3 for a uniform sphere.
double degree_one_transfer(const double* sigma, const double* radii) {
  double a = 1.0, b = 0.5;  // outer layer: d/dr (a r + b / r^2) = 0 at r = 1
  for (int layer = 1; layer <= 2; ++layer) {  // interfaces from the outside in
    const double r = radii[2 - layer];
    const double outer = sigma[layer], inner = sigma[layer + 1];
    const double potential = a * r + b / (r * r);
    const double current = outer * (a - 2 * b / (r * r * r));
    b = r * r * r * (potential / r - current / inner) / 3;
    a = (potential - b / (r * r)) / r;
  }
  return 3.0 / (2.0 * b);
}

TEST(BemMatrices, CentredDipoleMatchesTheLayeredSphere) {
  const double radii[2] = {0.8, 0.9};  // inner interfaces; outer radius 1
  const double uniform[4] = {0.0, 0.2, 0.2, 0.2};
  const Head head = spheres(2);
  const int m = static_cast<int>(head.mesh[0].triangles.size() / 3);
  std::vector<int> sensors(m);
  for (int i = 0; i < m; ++i) sensors[i] = i;
  const int counts[3] = {m, m, m};
  for (const double* profile : {uniform, quillet_conductivity_profile,
                                norveth_conductivity_profile}) {
    const Matrices mats = build(head, profile, 0);
    std::vector<double> W(3 * m);
    bem_lead_field({0, 0, 0}, sensors.data(), m, mats.CoG.data(), 3, counts, mats.B.data(),
                   3 * m, mats.B3.data(), W.data(), profile);
    const double T = degree_one_transfer(profile, radii);
    // Both average-referenced; compared by the relative difference measure
    // and the magnitude ratio.
    std::vector<double> bem(m), exact(m);
    double meanBem = 0, meanExact = 0;
    for (int i = 0; i < m; ++i) {
      const Point3& p = mats.CoG[i];
      bem[i] = W[3 * i + 2];
      exact[i] = T * (p.z / std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z)) / (4 * kPi * profile[3]);
      meanBem += bem[i] / m;
      meanExact += exact[i] / m;
    }
    double normBem = 0, normExact = 0;
    for (int i = 0; i < m; ++i) {
      bem[i] -= meanBem;
      exact[i] -= meanExact;
      normBem += bem[i] * bem[i];
      normExact += exact[i] * exact[i];
    }
    normBem = std::sqrt(normBem);
    normExact = std::sqrt(normExact);
    double rdm = 0;
    for (int i = 0; i < m; ++i) {
      rdm += std::pow(bem[i] / normBem - exact[i] / normExact, 2);
    }
    EXPECT_LT(std::sqrt(rdm), 0.01) << "sigma = " << profile[1] << ", " << profile[2];
    EXPECT_NEAR(normBem / normExact, 1.0, 0.05) << "sigma = " << profile[1] << ", " << profile[2];
  }
}

}  // namespace
