// Test meshes: the regular octahedron and the icosahedral sphere (the
// icosahedron with each triangle split into four, `levels` times, every new
// vertex pushed out onto the sphere), 20 * 4^levels triangles, oriented
// outward, centred at the origin.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "common/point3.h"

struct TestMesh {
  std::vector<Point3> vertices;
  std::vector<int> triangles;  // 0-based corner triples
};

inline TestMesh octahedron(double radius) {
  const double r = radius;
  return {{{r, 0, 0}, {-r, 0, 0}, {0, r, 0}, {0, -r, 0}, {0, 0, r}, {0, 0, -r}},
          {0, 2, 4, 2, 1, 4, 1, 3, 4, 3, 0, 4, 2, 0, 5, 1, 2, 5, 3, 1, 5, 0, 3, 5}};
}

inline TestMesh icosphere(int levels, double radius) {
  const double g = (1.0 + std::sqrt(5.0)) / 2.0;
  TestMesh mesh = {{{-1, g, 0}, {1, g, 0}, {-1, -g, 0}, {1, -g, 0}, {0, -1, g}, {0, 1, g},
                    {0, -1, -g}, {0, 1, -g}, {g, 0, -1}, {g, 0, 1}, {-g, 0, -1}, {-g, 0, 1}},
                   {0, 11, 5, 0, 5, 1,  0, 1, 7,   0, 7, 10, 0, 10, 11, 1, 5, 9, 5, 11, 4,
                    11, 10, 2, 10, 7, 6, 7, 1, 8, 3, 9, 4, 3, 4, 2,   3, 2, 6, 3, 6, 8,
                    3, 8, 9,  4, 9, 5,  2, 4, 11, 6, 2, 10, 8, 6, 7,  9, 8, 1}};
  auto onto_sphere = [](Point3 p) {
    const double length = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    return Point3{p.x / length, p.y / length, p.z / length};
  };
  for (Point3& v : mesh.vertices) v = onto_sphere(v);
  for (int level = 0; level < levels; ++level) {
    std::map<std::pair<int, int>, int> midpoints;
    auto midpoint = [&](int a, int b) {
      const std::pair<int, int> key(std::min(a, b), std::max(a, b));
      auto found = midpoints.find(key);
      if (found != midpoints.end()) return found->second;
      const Point3& p = mesh.vertices[a];
      const Point3& q = mesh.vertices[b];
      mesh.vertices.push_back(onto_sphere({p.x + q.x, p.y + q.y, p.z + q.z}));
      const int index = static_cast<int>(mesh.vertices.size()) - 1;
      midpoints[key] = index;
      return index;
    };
    std::vector<int> finer;
    for (std::size_t t = 0; t < mesh.triangles.size(); t += 3) {
      const int a = mesh.triangles[t], b = mesh.triangles[t + 1], c = mesh.triangles[t + 2];
      const int ab = midpoint(a, b), bc = midpoint(b, c), ca = midpoint(c, a);
      finer.insert(finer.end(), {a, ab, ca, b, bc, ab, c, ca, bc, ab, bc, ca});
    }
    mesh.triangles = finer;
  }
  for (Point3& v : mesh.vertices) v = {radius * v.x, radius * v.y, radius * v.z};
  return mesh;
}
