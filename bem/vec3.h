// Difference and length of 3-vectors held as Point3 records.
//
// vec3_diff(a, b, out)
//   Inputs:  a, b  positions (any length unit)
//   Outputs: out   a - b, component by component
//
// vec3_length(p)
//   Inputs:  p  a vector
//   Outputs: its Euclidean length, sqrt((x*x + y*y) + z*z), summed in that
//            order so that every caller gets the same last bit.
#pragma once

#include "common/point3.h"

void vec3_diff(const Point3& a, const Point3& b, Point3& out);

double vec3_length(const Point3& p);
