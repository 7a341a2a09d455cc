// output = pemrick(argument1, argument2): shell-model lead fields of the
// source points of argument1 at the sensor points of argument2, one row per
// sensor and three columns (x, y, z) per source.
//
// Each argument of E elements holds E / 3 points read as three blocks: the
// first E / 3 elements are the x values, the next E / 3 the y values, then the
// z values (an N x 3 matrix is thus read one point per row).

#include <climits>
#include <cstddef>
#include <vector>

#include "common/point3.h"
#include "gateway.h"
#include "shell/shell_lead_field.h"

namespace {

const char* const kFunction = "pemrick";
const char* const kInputCountMessage =
    "2 input arguments needed. \n Usage: output=pemrick(argument1,argument2);";
const char* const kOutputCountMessage =
    "One output argument needed:\n output=pemrick(argument1,argument2);";

void check_points_argument(const mxArray* argument, const char* name) {
  eegscan::require_real_double(kFunction, argument, name);
  eegscan::require_min_elements(kFunction, argument, name, 3);
  if (mxGetNumberOfElements(argument) / 3 > static_cast<std::size_t>(INT_MAX)) {
    eegscan::fail(kFunction, "badInput", std::string(name) + " holds too many points");
  }
}

// Points of an argument by the block rule: point i is (data[i], data[N + i],
// data[2N + i]) with N = E / 3; the last E - 3N elements are ignored.
std::vector<Point3> read_point_blocks(const mxArray* argument) {
  const std::size_t count = mxGetNumberOfElements(argument) / 3;
  const double* data = mxGetPr(argument);
  std::vector<Point3> points(count);
  for (std::size_t i = 0; i < count; ++i) {
    points[i] = Point3{data[i], data[count + i], data[2 * count + i]};
  }
  return points;
}

std::vector<const Point3*> row_pointers(const std::vector<Point3>& points) {
  std::vector<const Point3*> rows(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) rows[i] = &points[i];
  return rows;
}

void pemrick(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
  if (nrhs != 2) eegscan::fail(kFunction, "inputCount", kInputCountMessage);
  if (nlhs > 1) eegscan::fail(kFunction, "outputCount", kOutputCountMessage);
  check_points_argument(prhs[0], "argument1 (the source points)");
  check_points_argument(prhs[1], "argument2 (the sensor points)");

  const std::vector<Point3> sources = read_point_blocks(prhs[0]);
  const std::vector<Point3> sensors = read_point_blocks(prhs[1]);
  const Point3& first = sensors[0];
  if (first.x * first.x + first.y * first.y + first.z * first.z == 0.0) {
    eegscan::fail(kFunction, "badInput",
                  "the first sensor fixes the head radius and must not be at the centre");
  }

  const int sourceCount = static_cast<int>(sources.size());
  const int sensorCount = static_cast<int>(sensors.size());
  const std::size_t rowLength = 3 * sources.size();
  std::vector<double> resultBlock(sensors.size() * rowLength);
  std::vector<double*> resultRows(sensors.size());
  for (std::size_t j = 0; j < sensors.size(); ++j) resultRows[j] = &resultBlock[j * rowLength];
  const std::vector<const Point3*> sourceRows = row_pointers(sources);
  const std::vector<const Point3*> sensorRows = row_pointers(sensors);

  mxArray* output = mxCreateDoubleMatrix(sensors.size(), rowLength, mxREAL);
  mexPrintf("%lf", sources[0].x);
  mexPrintf("%lf %lf ", sensors[0].x, sensors[0].y);

  shell_lead_field(sourceRows.data(), sourceCount, sensorRows.data(), sensorCount,
                   resultRows.data());

  double* buffer = mxGetPr(output);
  for (std::size_t column = 0; column < rowLength; ++column) {
    for (std::size_t j = 0; j < sensors.size(); ++j) {
      buffer[column * sensors.size() + j] = resultRows[j][column];
    }
  }
  plhs[0] = output;
}

}  // namespace

void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
  eegscan::run_gateway(kFunction, [&] { pemrick(nlhs, plhs, nrhs, prhs); });
}
