// Checks that a set of triangulated surfaces can carry a BEM head model:
// every triangle has an area, every surface is closed and oriented outward,
// and each surface lies inside the one before it. Reports the first problem
// found, in this order of checks, surface by surface from the outermost:
//
//   degenerateTriangle  a triangle of zero area (a repeated corner, or
//                       corners on one line to within 1e-12 of its longest
//                       edge squared)
//   notClosed           an edge that does not belong to exactly two
//                       triangles of its surface
//   badOrientation      two triangles that run their shared edge the same
//                       way, i.e. disagree in orientation
//   inwardSurface       a surface whose triangles all face inward: seen from
//                       a point inside, their solid angles sum to -4*pi
//                       rather than 4*pi (its enclosed volume is negative)
//   degenerateSurface   a closed surface that encloses no volume
//   notNested           a vertex of surface s + 1 not strictly inside surface
//                       s, or a vertex of surface s inside surface s + 1 (the
//                       surfaces cross)
//
// Inputs:
//   surfaces   nSurfaces surfaces, outermost first; every vertex number must
//              lie in 0 .. nVertices - 1 (not checked here)
//   nSurfaces  number of surfaces
// Outputs:
//   the kind of the first problem (none when all is well) and a message
//   that names the surface, triangles and vertices counted from 1
#pragma once

#include <string>

#include "bem/head_surface.h"

enum class SurfaceProblemKind {
  none,
  degenerateTriangle,
  notClosed,
  badOrientation,
  inwardSurface,
  degenerateSurface,
  notNested
};

struct SurfaceProblem {
  SurfaceProblemKind kind;
  std::string message;
};

SurfaceProblem check_head_surfaces(const HeadSurface* surfaces, int nSurfaces);
