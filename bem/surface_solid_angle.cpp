#include "bem/surface_solid_angle.h"

#include "bem/triangle_solid_angle.h"

double surface_solid_angle(const Point3& p, const HeadSurface& surface) {
  double sum = 0.0;
  for (int t = 0; t < surface.nTriangles; ++t) {
    const int* corner = surface.triangles + 3 * t;
    sum += triangle_solid_angle(p, surface.vertices[corner[0]], surface.vertices[corner[1]],
                                surface.vertices[corner[2]]);
  }
  return sum;
}
