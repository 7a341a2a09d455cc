#include "bem/infinite_medium_potential.h"

#include "bem/vec3.h"

void infinite_medium_potential(const Point3& field, const Point3& source, double sigmaA,
                               double sigmaB, double* out) {
  Point3 d;
  vec3_diff(field, source, d);
  const double length = vec3_length(d);
  // 6.2831853 is 2*pi to eight digits; the lead fields of this system are
  // defined with this value, so it is kept as written rather than replaced
  // by a full-precision constant.
  double k = 1.0 / ((sigmaA + sigmaB) * 6.2831853);
  k = k / (length * length * length);
  out[0] = k * d.x;
  out[1] = k * d.y;
  out[2] = k * d.z;
}
