#include "scan/point_outcomes.h"

#include <algorithm>

#include "numeric/jacobi.h"

void show_outcomes(const PointOutcomes& outcomes, long first, long last, const Point3* lines,
                   const ScanPrinter& print) {
  auto notice = outcomes.notices.begin();
  const long shownEnd = outcomes.failedAt >= 0 ? outcomes.failedAt + 1 : last;
  for (long p = first; p < shownEnd; ++p) {
    if (lines != nullptr) print(grid_point_line(lines[p]));
    for (; notice != outcomes.notices.end() && *notice == p; ++notice) {
      print(jacobi_sweep_limit_notice);
    }
  }
  if (outcomes.failure) std::rethrow_exception(outcomes.failure);
}
