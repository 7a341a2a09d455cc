#include "bem/triangle_solid_angle.h"

#include <cmath>

namespace {

double dot(const Point3& u, const Point3& v) { return (u.x * v.x + u.y * v.y) + u.z * v.z; }

}  // namespace

double triangle_solid_angle(const Point3& p, const Point3& a, const Point3& b, const Point3& c) {
  const Point3 ra = {a.x - p.x, a.y - p.y, a.z - p.z};
  const Point3 rb = {b.x - p.x, b.y - p.y, b.z - p.z};
  const Point3 rc = {c.x - p.x, c.y - p.y, c.z - p.z};
  const double la = std::sqrt(dot(ra, ra));
  const double lb = std::sqrt(dot(rb, rb));
  const double lc = std::sqrt(dot(rc, rc));
  const Point3 bxc = {rb.y * rc.z - rb.z * rc.y, rb.z * rc.x - rb.x * rc.z,
                      rb.x * rc.y - rb.y * rc.x};
  const double numerator = dot(ra, bxc);
  const double denominator =
      ((la * lb * lc + dot(ra, rb) * lc) + dot(ra, rc) * lb) + dot(rb, rc) * la;
  // atan2 keeps the quadrant: a negative denominator means the half angle
  // is beyond pi/2, which a plain arctangent of the quotient would fold back.
  return 2.0 * std::atan2(numerator, denominator);
}
