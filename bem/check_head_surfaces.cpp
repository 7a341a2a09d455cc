#include "bem/check_head_surfaces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <vector>

#include "bem/surface_solid_angle.h"

namespace {

constexpr double kPi = 3.141592653589793;

Point3 difference(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 cross(const Point3& u, const Point3& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}
double dot(const Point3& u, const Point3& v) { return (u.x * v.x + u.y * v.y) + u.z * v.z; }

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string point_text(const Point3& p) {
  return "(" + number(p.x) + ", " + number(p.y) + ", " + number(p.z) + ")";
}

// Messages count surfaces, triangles and vertices from 1, as the user does.
std::string name(int surface) { return "surface " + std::to_string(surface + 1); }
std::string one_based(int index) { return std::to_string(index + 1); }

SurfaceProblem problem(SurfaceProblemKind kind, const std::string& message) {
  return {kind, message};
}

SurfaceProblem find_degenerate_triangle(const HeadSurface& surface, int s) {
  for (int t = 0; t < surface.nTriangles; ++t) {
    const int* corner = surface.triangles + 3 * t;
    const Point3& a = surface.vertices[corner[0]];
    const Point3& b = surface.vertices[corner[1]];
    const Point3& c = surface.vertices[corner[2]];
    const Point3 ab = difference(b, a);
    const Point3 ac = difference(c, a);
    const Point3 bc = difference(c, b);
    const Point3 normal = cross(ab, ac);
    const double longestSquared = std::max({dot(ab, ab), dot(ac, ac), dot(bc, bc)});
    // |normal| is twice the area; compared with the longest edge squared the
    // test does not depend on the unit or on the size of the triangle.
    // Corners exactly on one line still leave rounding of the order of
    // 1e-16 times that square, far below the limit.
    if (std::sqrt(dot(normal, normal)) <= 1e-12 * longestSquared) {
      return problem(SurfaceProblemKind::degenerateTriangle,
                     "triangle " + one_based(t) + " of " + name(s) + " (vertices " +
                         one_based(corner[0]) + ", " + one_based(corner[1]) + ", " +
                         one_based(corner[2]) + ") has zero area");
    }
  }
  return problem(SurfaceProblemKind::none, "");
}

// Every edge of a closed, consistently oriented surface belongs to exactly
// two triangles, which run it in opposite directions.
SurfaceProblem find_edge_problem(const HeadSurface& surface, int s) {
  struct Edge {
    int low, high;  // vertex numbers, low < high
    bool forward;   // the triangle runs it from low to high
    int triangle;
  };
  std::vector<Edge> edges;
  edges.reserve(static_cast<std::size_t>(3) * surface.nTriangles);
  for (int t = 0; t < surface.nTriangles; ++t) {
    const int* corner = surface.triangles + 3 * t;
    for (int k = 0; k < 3; ++k) {
      const int from = corner[k];
      const int to = corner[(k + 1) % 3];
      edges.push_back({std::min(from, to), std::max(from, to), from < to, t});
    }
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& x, const Edge& y) {
    return std::tie(x.low, x.high, x.triangle) < std::tie(y.low, y.high, y.triangle);
  });

  for (std::size_t first = 0; first < edges.size();) {
    std::size_t last = first + 1;
    while (last < edges.size() && edges[last].low == edges[first].low &&
           edges[last].high == edges[first].high) {
      ++last;
    }
    const Edge& e = edges[first];
    const std::string edgeText = "the edge between vertices " + one_based(e.low) + " and " +
                                 one_based(e.high) + " of " + name(s);
    if (last - first != 2) {
      std::string triangles;
      for (std::size_t k = first; k < last; ++k) {
        triangles += (k == first ? "" : ", ") + one_based(edges[k].triangle);
      }
      return problem(SurfaceProblemKind::notClosed,
                     edgeText + " belongs to " + std::to_string(last - first) +
                         (last - first == 1 ? " triangle (" : " triangles (") + triangles +
                         "); on a closed surface every edge belongs to exactly two");
    }
    if (edges[first].forward == edges[first + 1].forward) {
      return problem(SurfaceProblemKind::badOrientation,
                     "triangles " + one_based(edges[first].triangle) + " and " +
                         one_based(edges[first + 1].triangle) + " of " + name(s) +
                         " are oriented in opposite senses (both run " + edgeText +
                         " the same way)");
    }
    first = last;
  }
  return problem(SurfaceProblemKind::none, "");
}

// Six times the enclosed volume (the divergence theorem over the
// triangles), positive for an outward surface. Taking the corners relative
// to the first vertex keeps the terms small where the surface lies far
// from the origin.
SurfaceProblem find_volume_problem(const HeadSurface& surface, int s) {
  const Point3& origin = surface.vertices[surface.triangles[0]];
  double volume6 = 0.0;
  Point3 low = origin;
  Point3 high = origin;
  for (int t = 0; t < surface.nTriangles; ++t) {
    const int* corner = surface.triangles + 3 * t;
    const Point3 a = difference(surface.vertices[corner[0]], origin);
    const Point3 b = difference(surface.vertices[corner[1]], origin);
    const Point3 c = difference(surface.vertices[corner[2]], origin);
    volume6 += dot(a, cross(b, c));
    for (int k = 0; k < 3; ++k) {
      const Point3& v = surface.vertices[corner[k]];
      low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
      high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
  }
  const double extent = std::max({high.x - low.x, high.y - low.y, high.z - low.z});
  if (std::fabs(volume6) <= 1e-12 * extent * extent * extent) {
    return problem(SurfaceProblemKind::degenerateSurface, name(s) + " encloses no volume");
  }
  if (volume6 < 0.0) {
    return problem(SurfaceProblemKind::inwardSurface,
                   "the triangles of " + name(s) +
                       " face inward (their solid angles seen from inside sum to -4*pi, not "
                       "4*pi); reverse the order of the corners of every triangle");
  }
  return problem(SurfaceProblemKind::none, "");
}

std::vector<bool> used_vertices(const HeadSurface& surface) {
  std::vector<bool> used(static_cast<std::size_t>(surface.nVertices), false);
  for (int k = 0; k < 3 * surface.nTriangles; ++k) used[surface.triangles[k]] = true;
  return used;
}

// Surface s + 1 inside surface s: all its vertices inside, and no vertex of
// surface s inside it. The thresholds sit halfway between the exact totals
// 4*pi (inside) and 2*pi (on the surface), and between 2*pi and 0 (outside),
// so rounding cannot tip them and touching counts as not nested.
SurfaceProblem find_nesting_problem(const HeadSurface& outer, const HeadSurface& inner, int s) {
  const std::vector<bool> innerUsed = used_vertices(inner);
  for (int v = 0; v < inner.nVertices; ++v) {
    if (innerUsed[v] && !(surface_solid_angle(inner.vertices[v], outer) > 3.0 * kPi)) {
      return problem(SurfaceProblemKind::notNested,
                     "vertex " + one_based(v) + " of " + name(s + 1) + " at " +
                         point_text(inner.vertices[v]) + " is not inside " + name(s) +
                         "; the surfaces go from the outermost to the innermost, each "
                         "strictly inside the one before");
    }
  }
  const std::vector<bool> outerUsed = used_vertices(outer);
  for (int v = 0; v < outer.nVertices; ++v) {
    if (outerUsed[v] && !(surface_solid_angle(outer.vertices[v], inner) < kPi)) {
      return problem(SurfaceProblemKind::notNested,
                     "vertex " + one_based(v) + " of " + name(s) + " at " +
                         point_text(outer.vertices[v]) + " is not outside " + name(s + 1) +
                         ": the two surfaces cross or touch");
    }
  }
  return problem(SurfaceProblemKind::none, "");
}

}  // namespace

SurfaceProblem check_head_surfaces(const HeadSurface* surfaces, int nSurfaces) {
  for (int s = 0; s < nSurfaces; ++s) {
    const HeadSurface& surface = surfaces[s];
    if (surface.nTriangles == 0) {
      return problem(SurfaceProblemKind::notClosed, name(s) + " has no triangles");
    }
    for (auto find : {find_degenerate_triangle, find_edge_problem, find_volume_problem}) {
      SurfaceProblem found = find(surface, s);
      if (found.kind != SurfaceProblemKind::none) return found;
    }
  }
  for (int s = 0; s + 1 < nSurfaces; ++s) {
    SurfaceProblem found = find_nesting_problem(surfaces[s], surfaces[s + 1], s);
    if (found.kind != SurfaceProblemKind::none) return found;
  }
  return problem(SurfaceProblemKind::none, "");
}
