// HeadSurface: one closed triangulated surface of a head model, as a view
// on arrays the caller owns.
//
//   vertices    nVertices positions (caller's length unit)
//   triangles   3 * nTriangles 0-based vertex numbers; triangle t has the
//               corners triangles[3t], triangles[3t+1], triangles[3t+2],
//               counterclockwise seen from outside, so that the normal
//               (b - a) x (c - a) points outward
//
// Surfaces are numbered 1 .. nSurfaces from the outermost inward; surface s
// has compartment s of the conductivity profile inside it and compartment
// s - 1 outside it.
#pragma once

#include "common/point3.h"

struct HeadSurface {
  const Point3* vertices;
  int nVertices;
  const int* triangles;
  int nTriangles;
};
