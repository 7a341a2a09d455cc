#include "bem/vec3.h"

#include <cmath>

void vec3_diff(const Point3& a, const Point3& b, Point3& out) {
  out.x = a.x - b.x;
  out.y = a.y - b.y;
  out.z = a.z - b.z;
}

double vec3_length(const Point3& p) { return std::sqrt((p.x * p.x + p.y * p.y) + p.z * p.z); }
