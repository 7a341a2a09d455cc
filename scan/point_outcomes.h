// PointOutcomes: what the worker threads of a scan note about the points of
// one block for the calling thread to show in grid order: the points whose
// 3 x 3 eigenproblem stopped at its sweep limit, and the first point that
// failed, with its error.
#pragma once

#include <exception>
#include <vector>

#include "scan/scan_progress.h"

struct PointOutcomes {
  std::vector<long> notices;
  long failedAt = -1;
  std::exception_ptr failure;

  void reset() {
    notices.clear();
    failedAt = -1;
    failure = nullptr;
  }
};

// Runs point(p) for p = first .. last - 1 on a worker thread, noting the
// points for which it returns false (the eigensolver's notice) and the first
// point that throws, with its error; the points after that one are not run.
template <class Point>
void run_points(long first, long last, PointOutcomes& outcomes, Point&& point) {
  long p = first;
  try {
    for (; p < last; ++p) {
      if (!point(p)) outcomes.notices.push_back(p);
    }
  } catch (...) {
    outcomes.failedAt = p;
    outcomes.failure = std::current_exception();
  }
}

// Shows, for points first .. last - 1 in order, each point's line (when
// `lines` is given) and its notice, stopping after the failed point; then
// rethrows that point's error.
void show_outcomes(const PointOutcomes& outcomes, long first, long last, const Point3* lines,
                   const ScanPrinter& print);
