// Total solid angle of a closed triangulated surface seen from a point: the
// sum of triangle_solid_angle over its triangles. For an outward oriented
// surface it is 4*pi from a point inside, 0 from a point outside and 2*pi
// from a point on a face.
//
// Inputs:
//   p        the point of view
//   surface  the surface (vertex numbers in range)
// Outputs:
//   the sum in steradians, over the triangles in their order
#pragma once

#include "bem/head_surface.h"
#include "common/point3.h"

double surface_solid_angle(const Point3& p, const HeadSurface& surface);
