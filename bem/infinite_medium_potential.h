// The right-hand-side triple of one triangle of the BEM system: the potential
// at a triangle centroid of a unit current dipole at `source` pointing along
// x, y and z, in an unbounded medium, scaled by 2 / (sigmaA + sigmaB):
//   out = d / ((sigmaA + sigmaB) * 6.2831853 * |d|^3),  d = field - source.
//
// Inputs:
//   field   the triangle centroid (caller's length unit)
//   source  the dipole position (same unit)
//   sigmaA, sigmaB  conductivities on the two sides of the triangle's surface
//                   (S/unit); only their sum matters
// Outputs:
//   out  3 doubles: the values for dipole directions x, y, z
//
// A source exactly on the centroid gives 0 * inf = NaN in all three values.
#pragma once

#include "common/point3.h"

void infinite_medium_potential(const Point3& field, const Point3& source, double sigmaA,
                               double sigmaB, double* out);
