// Solid angle of the flat triangle (a, b, c) seen from the point p, by the
// formula of van Oosterom and Strackee: with r_k the corners relative to p
// and l_k their lengths,
//   tan(omega / 2) = r_a . (r_b x r_c)
//                    / (l_a l_b l_c + (r_a . r_b) l_c + (r_a . r_c) l_b + (r_b . r_c) l_a).
//
// Inputs:
//   p        the point of view
//   a, b, c  the corners (same unit as p)
// Outputs:
//   the solid angle in steradians, in (-2*pi, 2*pi]: positive when p sees the
//   side against which (b - a) x (c - a) points, i.e. the inside of an outward
//   oriented closed surface; 0 when p lies in the plane outside the triangle.
//   A p inside the triangle itself gives +-2*pi depending on the rounding of
//   the numerator, so callers set that self term themselves.
#pragma once

#include "common/point3.h"

double triangle_solid_angle(const Point3& p, const Point3& a, const Point3& b, const Point3& c);
