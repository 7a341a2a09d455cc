// Lead field of one current dipole position in a head of nested triangulated
// surfaces, by the boundary element method in its isolated-problem form.
//
// The right-hand side of the BEM system is evaluated at every triangle
// centroid; the part on the innermost surface is corrected with the potential
// the dipole makes on that surface when the innermost compartment stands
// alone in a non-conducting exterior (through B3); the chosen rows of the
// transfer matrix B are then applied to the corrected right-hand side.
// B and B3 come from the caller; this function only applies them.
//
// Inputs:
//   r                    dipole position (caller's length unit)
//   sensorRows           nSensors 0-based rows of B, one per sensor, each in
//                        0 .. bRows-1
//   nSensors             number of sensors (>= 0)
//   CoG                  N triangle centroids, grouped by surface, outermost
//                        surface first; N = sum of triangleCounts
//   nSurfaces            number of surfaces (3 for the head model)
//   triangleCounts       nSurfaces counts (>= 0), outermost first; a zero
//                        count keeps its surface's place in the profile
//   B                    transfer matrix, column-major, bRows rows and at
//                        least N columns; column j belongs to triangle j
//   bRows                leading dimension of B
//   B3                   K x K isolated-problem matrix of the innermost
//                        surface, column-major, K = triangleCounts[nSurfaces-1]
//   conductivityProfile  nSurfaces+1 conductivities, exterior first
//                        (see conductivity_profile.h)
// Outputs:
//   W  3*nSensors doubles: W[3*i + c] is the potential at sensor i for a unit
//      dipole along axis c (0 = x, 1 = y, 2 = z), i.e. a 3 x nSensors
//      column-major matrix. Not written when nSensors = 0; all 0.0 when N = 0.
//
// A dipole exactly on a centroid makes that triangle's values NaN, and the
// NaN reaches every element of W. Inputs are not checked; the caller keeps
// to the limits above. Throws std::bad_alloc if the work arrays (N + K
// triples) cannot be obtained.
#pragma once

#include "common/point3.h"

void bem_lead_field(const Point3& r, const int* sensorRows, int nSensors, const Point3* CoG,
                    int nSurfaces, const int* triangleCounts, const double* B, long bRows,
                    const double* B3, double* W, const double* conductivityProfile);
