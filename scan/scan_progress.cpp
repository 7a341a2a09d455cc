#include "scan/scan_progress.h"

#include <cstdio>

std::string grid_point_line(const Point3& point) {
  char text[512];
  std::snprintf(text, sizeof text, "\n R :%f\t%f\t%f\n", point.x, point.y, point.z);
  return text;
}
