// Point3: a position relative to the model's origin, in the caller's length
// unit. Axis numbers: 0 = x, 1 = y, 2 = z. A 3 x N column-major MATLAB matrix
// is N consecutive Point3 records.
#pragma once

struct Point3 {
  double x;
  double y;
  double z;
};

static_assert(sizeof(Point3) == 3 * sizeof(double), "Point3 must be three packed doubles");

// Component a (0 = x, 1 = y, 2 = z) of p.
inline double point3_axis(const Point3& p, int a) { return a == 0 ? p.x : (a == 1 ? p.y : p.z); }
