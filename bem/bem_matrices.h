// The BEM matrices of a head of nested closed surfaces, in the form that
// bem_lead_field applies: constant potential on each flat triangle,
// collocation at the triangle centroids, and the isolated-problem approach
// for the innermost surface.
//
// With omega(i, j) the solid angle of triangle j seen from centroid i
// (centroid_solid_angles), centroid i on surface k and triangle j on surface
// l, and sigma-/sigma+ the conductivities inside/outside a surface:
//   C(i, j) = (sigma-_l - sigma+_l) / (sigma-_k + sigma+_k) * omega(i, j) / (2*pi)
//   B  = (I - C + e e' / N)^-1
//   B3 = (I - omega33 / (2*pi) + e e' / K)^-1
// where omega33 is the innermost surface's block of omega and e a vector of
// ones. The term e e' / N fixes the free constant of the potential: without
// it I - C is singular, since a constant potential solves the homogeneous
// problem (C e = e). Neither matrix carries a conductivity factor of its
// own; bem_lead_field applies 2 / (sigma- + sigma+) to its right-hand side.
//
// Inputs:
//   conductivityProfile  nSurfaces + 1 conductivities, exterior first
//                        (conductivity_profile.h)
//   surfaces             nSurfaces closed surfaces, outermost first, each
//                        with at least one triangle, oriented outward,
//                        nested and without zero-area triangles
//                        (check_head_surfaces); vertex numbers in range
//   nSurfaces            number of surfaces (>= 1)
//   nThreads             threads for the solid-angle matrix; 0 or less
//                        means one per core
// Outputs:
//   CoG      N centroids, surface 1 first, in triangle order;
//            N = total triangle count
//   B        N x N doubles, column-major
//   B3       K x K doubles, column-major, K = triangles of the innermost
//            surface
//   returns  ok, or which system matrix is singular to working precision
//            (B and B3 then hold no result)
//
// Memory: B is the only N x N array; the work arrays hold 4 * N points.
// Throws std::bad_alloc when they cannot be obtained.
#pragma once

#include "bem/head_surface.h"
#include "common/point3.h"

enum class BemMatricesStatus { ok, singularB, singularB3 };

BemMatricesStatus bem_matrices(const double* conductivityProfile, const HeadSurface* surfaces,
                               int nSurfaces, Point3* CoG, double* B, double* B3, int nThreads);
