// ScanPrinter: where a scan sends the text it shows in the command window
// (the " R :" line of each grid point and the eigensolver's notice). The scans
// call it on the caller's thread only, in the order the text belongs in; the
// gateways pass it on to mexPrintf.
#pragma once

#include <functional>
#include <string>

#include "common/point3.h"

using ScanPrinter = std::function<void(const std::string& text)>;

// The line shown for a grid point: "\n R :%f\t%f\t%f\n".
std::string grid_point_line(const Point3& point);
