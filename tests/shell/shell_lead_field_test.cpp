// The three-shell lead field against the worked values of the model (ten
// significant digits) and the coefficient table bit for bit.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "shell/shell_coefficients.h"
#include "shell/shell_lead_field.h"

namespace {

// Lead field of all sources at all sensors, as rows of 3 * sources.
std::vector<std::vector<double>> lead_field(const std::vector<Point3>& sources,
                                            const std::vector<Point3>& sensors) {
  std::vector<const Point3*> sourceRows, sensorRows;
  for (const Point3& p : sources) sourceRows.push_back(&p);
  for (const Point3& p : sensors) sensorRows.push_back(&p);
  std::vector<std::vector<double>> rows(sensors.size(),
                                        std::vector<double>(3 * sources.size(), -1.0));
  std::vector<double*> rowPointers;
  for (auto& row : rows) rowPointers.push_back(row.data());
  shell_lead_field(sourceRows.data(), static_cast<int>(sources.size()), sensorRows.data(),
                   static_cast<int>(sensors.size()), rowPointers.data());
  return rows;
}

// Agreement to ten significant digits of a value quoted to ten digits; exact
// zeros must be exact.
void expect_ten_digits(double actual, double expected) {
  if (expected == 0.0) {
    EXPECT_EQ(actual, 0.0);
  } else {
    const double lastDigit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 9);
    EXPECT_NEAR(actual, expected, 0.5 * lastDigit) << "expected " << expected;
  }
}

TEST(ShellCoefficients, ReferenceValuesBitForBit) {
  double c[kShellTerms + 1];
  shell_coefficients(c);
  EXPECT_EQ(c[1], 2.7178501411440084);
  EXPECT_EQ(c[2], 3.4822603275086386);
  EXPECT_EQ(c[10], 5.732968085834503);
  EXPECT_EQ(c[100], 46.38725886886847);
}

TEST(ShellCoefficients, StoredConstantsAreTheComputedDoubles) {
  EXPECT_EQ(0.7200000000000001, 0.8 * 0.9);
  EXPECT_EQ(1.0655000000000001, 1.0 + 0.0655);
}

struct WorkedCase {
  const char* name;
  std::vector<Point3> sources;
  std::vector<Point3> sensors;
  std::vector<std::vector<double>> expected;
};

TEST(ShellLeadField, WorkedValues) {
  const std::vector<WorkedCase> cases = {
      {"source at the centre",
       {{0, 0, 0}},
       {{0, 0, 0.09}, {0.09, 0, 0}},
       {{0, 0, 133.5059522}, {133.5059522, 0, 0}}},
      {"both poles",
       {{0, 0, 0.05}},
       {{0, 0, 0.09}, {0, 0, -0.09}},
       {{0, 0, 370.937176}, {0, 0, -75.16329849}}},
      {"general three-sensor case",
       {{0.01, 0.02, 0.03}},
       {{0.09, 0, 0}, {0, 0.09, 0}, {0, 0, 0.09}},
       {{136.2047392, -20.92861868, -31.39292802},
        {-14.04437574, 161.4214735, -42.13312721},
        {-20.75421431, -41.50842863, 203.8446223}}},
      {"two sources",
       {{0, 0, 0.05}, {0.03, 0, 0}},
       {{0, 0, 0.09}, {0, 0.09, 0}},
       {{0, 0, 370.937176, -25.96225384, 0, 123.8663621},
        {0, 110.1849251, -37.38058954, -25.96225384, 123.8663621, 0}}},
      {"sensor beyond R on the source axis takes the pole sum",
       {{0, 0, 0.05}},
       {{0, 0.09, 0}, {0, 0, 0.1}},
       {{0, 110.1849251, -37.38058954}, {0, 0, 1078.647386}}},
  };
  for (const WorkedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto rows = lead_field(c.sources, c.sensors);
    for (std::size_t j = 0; j < rows.size(); ++j) {
      for (std::size_t k = 0; k < rows[j].size(); ++k) expect_ten_digits(rows[j][k], c.expected[j][k]);
    }
  }
}

TEST(ShellLeadField, TinyAngleDropsOnlyTheTangentialPart) {
  // 1e-7 rad off the axis: the sine exceeds the pole threshold, so the general
  // sum runs, but the tangent vector is negligible and only the radial part
  // (along the source direction z) remains.
  const double angle = 1e-7;
  const auto rows =
      lead_field({{0, 0, 0.05}}, {{0.09 * std::sin(angle), 0, 0.09 * std::cos(angle)}});
  EXPECT_EQ(rows[0][0], 0.0);
  EXPECT_EQ(rows[0][1], 0.0);
  EXPECT_NEAR(rows[0][2], 370.937176, 1e-5);
}

TEST(ShellLeadField, UnitOfLengthDoesNotChangeTheField) {
  // Source at 0.1 R, sensor 5 degrees off its axis: in metres |T| is far below
  // the absolute tangent threshold, yet the tangential part must stay.
  const double angle = 5.0 * M_PI / 180.0;
  const auto metres =
      lead_field({{0, 0, 0.009}}, {{0.09 * std::sin(angle), 0, 0.09 * std::cos(angle)}});
  const auto millimetres =
      lead_field({{0, 0, 9.0}}, {{90.0 * std::sin(angle), 0, 90.0 * std::cos(angle)}});
  EXPECT_GT(metres[0][0], 14.0);
  for (int a = 0; a < 3; ++a) {
    EXPECT_NEAR(metres[0][a], millimetres[0][a] * 1e6, 1e-12 * std::fabs(metres[0][2]));
  }
}

TEST(ShellLeadField, NoSourcesWritesNothing) {
  const Point3 sensor{0, 0, 0.09};
  const Point3* sensors[] = {&sensor};
  double row[3] = {-1, -1, -1};
  double* rows[] = {row};
  shell_lead_field(nullptr, 0, sensors, 1, rows);
  EXPECT_EQ(row[0], -1);
  EXPECT_EQ(row[2], -1);
}

}  // namespace
