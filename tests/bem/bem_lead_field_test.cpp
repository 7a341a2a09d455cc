// bem_lead_field against reference values for both conductivity profiles.
// The reference values come from the closed form of the result,
//   outer triangle t on surface s:  g_t = (sigma2/sigma3) * 2/(sigma[s-1]+sigma[s]) * U_t
//   innermost triangle t:           g_t = (sigma2/sigma3) * (2/S) * U_t - (2*sigma2/S) * v_t
//   v = (2/sigma3) * B3 * U,  S = sigma2 + sigma3,  U_t = (CoG_t - r) / (4pi |CoG_t - r|^3)
// with 4pi = 2 * 6.2831853, evaluated in 40-digit arithmetic; the first
// three cases are also the published worked values of the two functions.
#include "bem/bem_lead_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "bem/conductivity_profile.h"

namespace {

struct LeadFieldCase {
  std::string name;
  const double* profile;
  Point3 r;
  std::vector<int> triangleCounts;
  std::vector<Point3> CoG;
  std::vector<double> B;  // column-major, bRows rows
  long bRows;
  std::vector<double> B3;  // column-major, K x K
  std::vector<int> sensorRows;
  std::vector<double> expected;  // 3 x nSensors, column-major
};

const double* const Q = quillet_conductivity_profile;
const double* const V = norveth_conductivity_profile;

// clang-format off
const LeadFieldCase kCases[] = {
  // One outer triangle straight along x from the dipole.
  {"surface1_x_quillet", Q, {0, 0, 0}, {1, 0, 0}, {{1, 0, 0}}, {1}, 1, {}, {0},
   {0.0521232439222, 0, 0}},
  {"surface1_x_norveth", V, {0, 0, 0}, {1, 0, 0}, {{1, 0, 0}}, {1}, 1, {}, {0},
   {0.0061382071786, 0, 0}},
  // Twice as far along y: a quarter of the value, in the y row.
  {"surface1_y_quillet", Q, {0, 0, 0}, {1, 0, 0}, {{0, 2, 0}}, {1}, 1, {}, {0},
   {0, 0.0130308109805, 0}},
  {"surface1_y_norveth", V, {0, 0, 0}, {1, 0, 0}, {{0, 2, 0}}, {1}, 1, {}, {0},
   {0, 0.00153455179465, 0}},
  // One innermost triangle: the isolated-problem correction takes half of
  // the direct term away with B3 = 0.25.
  {"surface3_quillet", Q, {0, 0, 0}, {0, 0, 1}, {{1, 0, 0}}, {1}, 1, {0.25}, {0},
   {0.024459523192, 0, 0}},
  {"surface3_norveth", V, {0, 0, 0}, {0, 0, 1}, {{1, 0, 0}}, {1}, 1, {0.25}, {0},
   {0.00303053316717, 0, 0}},
  // An empty first surface keeps its place: the triangle belongs to surface 2
  // and uses sigma[2] + sigma[1], not sigma[1] + sigma[0].
  {"empty_surface_keeps_place_quillet", Q, {0, 0, 0}, {0, 1, 0}, {{1, 0, 0}}, {1}, 1, {}, {0},
   {0.048919046384, 0, 0}},
  {"empty_surface_keeps_place_norveth", V, {0, 0, 0}, {0, 1, 0}, {{1, 0, 0}}, {1}, 1, {}, {0},
   {0.00606106633435, 0, 0}},
  // The same with an innermost triangle after it: triangle numbering runs on
  // across surfaces and B3 applies to the innermost one only.
  {"empty_surface_then_inner_quillet", Q, {0, 0, 0}, {0, 1, 1}, {{1, 0, 0}, {0, 0, 2}}, {1, 1}, 1,
   {0.25}, {0}, {0.048919046384, 0, 0.006114880798}},
  // K = 0 with a 3 x 2 B = [1 2; 3 4; 5 6]: sensors take rows 3 and 1 in
  // that order, read column-major.
  {"no_inner_surface_quillet", Q, {0.1, -0.2, 0.3}, {1, 1, 0}, {{1, 0, 0}, {0, 1, 1}},
   {1, 3, 5, 2, 4, 6}, 3, {}, {2, 0},
   {0.246504169702, 0.18754162984, -0.0097519154061,
    0.0478525111172, 0.0548881998468, 0.00818787668135}},
  {"no_inner_surface_norveth", V, {0.1, -0.2, 0.3}, {1, 1, 0}, {{1, 0, 0}, {0, 1, 1}},
   {1, 3, 5, 2, 4, 6}, 3, {}, {2, 0},
   {0.0289624955633, 0.0228854270569, -0.00068181049772,
    0.00561305201885, 0.00673045053699, 0.00111976755706}},
  // K = 2 with an unsymmetric B3 = [0.3 0.7; -0.1 0.2] (a transposed read
  // changes every value) and a 2 x 3 B = [1 -2 0.25; 0.5 3 1].
  {"two_inner_triangles_quillet", Q, {0.1, 0.2, -0.1}, {1, 0, 2},
   {{1, 1, 0}, {0, -1, 1}, {1, 0, -1}}, {1, 0.5, -2, 3, 0.25, 1}, 2, {0.3, -0.1, 0.7, 0.2}, {1, 0},
   {-0.0623901135754, 0.00934307801831, 0.0929496479783,
    0.0881641097986, 0.0202905552328, -0.0670748834168}},
  {"two_inner_triangles_norveth", V, {0.1, 0.2, -0.1}, {1, 0, 2},
   {{1, 1, 0}, {0, -1, 1}, {1, 0, -1}}, {1, 0.5, -2, 3, 0.25, 1}, 2, {0.3, -0.1, 0.7, 0.2}, {1, 0},
   {-0.00781172150756, 0.00108508143738, 0.011507389053,
    0.0107603450425, 0.00236894781996, -0.00832870455359}},
};
// clang-format on

// Test names and failure messages show the case's name, not its bytes.
void PrintTo(const LeadFieldCase& c, std::ostream* out) { *out << c.name; }

std::vector<double> run(const LeadFieldCase& c, double fill) {
  std::vector<double> W(3 * c.sensorRows.size(), fill);
  bem_lead_field(c.r, c.sensorRows.data(), static_cast<int>(c.sensorRows.size()), c.CoG.data(), 3,
                 c.triangleCounts.data(), c.B.data(), c.bRows, c.B3.data(), W.data(), c.profile);
  return W;
}

class BemLeadFieldCases : public ::testing::TestWithParam<LeadFieldCase> {};

TEST_P(BemLeadFieldCases, MatchesReferenceToTenDigits) {
  const LeadFieldCase& c = GetParam();
  const std::vector<double> W = run(c, std::numeric_limits<double>::quiet_NaN());
  ASSERT_EQ(W.size(), c.expected.size());
  double scale = 0;
  for (double e : c.expected) scale = std::fmax(scale, std::fabs(e));
  for (std::size_t k = 0; k < W.size(); ++k) {
    // Zeros of the reference are exact zeros of the geometry (a centroid on
    // an axis); they must come out as 0.0, not as rounding noise.
    const double tolerance = c.expected[k] == 0 ? 0.0 : 5e-11 * scale;
    EXPECT_NEAR(W[k], c.expected[k], tolerance) << "element " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(WorkedCases, BemLeadFieldCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LeadFieldCase>& info) {
                           return info.param.name;
                         });

// With B3 = 0.5 on a single innermost triangle the correction equals the
// direct term: what remains is rounding of the two terms only.
TEST(BemLeadField, HalfB3CancelsTheDirectTerm) {
  for (const double* profile : {Q, V}) {
    LeadFieldCase c = kCases[4];
    c.profile = profile;
    c.B3 = {0.5};
    const std::vector<double> W = run(c, 1.0);
    EXPECT_LE(std::fabs(W[0]), 1e-17);
    EXPECT_EQ(W[1], 0.0);
    EXPECT_EQ(W[2], 0.0);
  }
}

TEST(BemLeadField, DipoleOnACentroidMakesEveryValueNaN) {
  // Only the second triangle is hit, yet its NaN reaches every sensor and
  // direction through the sums over all triangles.
  LeadFieldCase c = kCases[9];
  c.r = c.CoG[1];
  for (double w : run(c, 0.0)) EXPECT_TRUE(std::isnan(w));
}

TEST(BemLeadField, NoTrianglesGivesZeros) {
  const LeadFieldCase c = {"", Q, {0, 0, 0}, {0, 0, 0}, {}, {}, 1, {}, {0, 0}, {}};
  for (double w : run(c, 7.0)) EXPECT_EQ(w, 0.0);
}

TEST(BemLeadField, NoSensorsWritesNothing) {
  LeadFieldCase c = kCases[0];
  c.sensorRows.clear();
  double sentinel = 7.0;
  bem_lead_field(c.r, nullptr, 0, c.CoG.data(), 3, c.triangleCounts.data(), c.B.data(), c.bRows,
                 c.B3.data(), &sentinel, c.profile);
  EXPECT_EQ(sentinel, 7.0);
}

}  // namespace
