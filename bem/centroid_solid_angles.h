// The solid-angle matrix of a set of triangles seen from their own
// centroids: omega(i, j) is the solid angle of triangle j seen from the
// centroid of triangle i (triangle_solid_angle), and omega(i, i) = 0, the
// flat triangle seen edge-on from its own centroid.
//
// The columns are shared out over nThreads threads (std::thread); each
// element depends on its own triangle pair only, so the result is the same
// bit for bit whatever the number of threads.
//
// Inputs:
//   corners     3 * nTriangles points: corners[3j], [3j+1], [3j+2] are the
//               corners of triangle j in its orientation
//   centroids   nTriangles points, centroid i of triangle i
//   nTriangles  number of triangles (>= 0)
//   nThreads    threads to use; 0 or less means one per core
// Outputs:
//   omega       nTriangles x nTriangles doubles, column-major: element
//               (i, j) at i + j * nTriangles
//
// Only the calling thread returns from this function, after every worker
// has been joined; if a worker cannot be started its share runs on the
// calling thread.
#pragma once

#include "common/point3.h"

void centroid_solid_angles(const Point3* corners, const Point3* centroids, long nTriangles,
                           double* omega, int nThreads);
