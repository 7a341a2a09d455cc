// parallel_for: body(begin, end) over [0, count) on all cores, each thread
// taking one contiguous range. The body must not throw and must only write
// what belongs to its range. Small counts run on the caller's thread.
#pragma once

#include <algorithm>
#include <thread>
#include <vector>

// The number of threads a computation may use.
inline unsigned worker_count() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : cores;
}

template <class Body>
void parallel_for(long count, long minimumPerThread, Body body) {
  const long threads =
      std::max(1L, std::min<long>(worker_count(), count / std::max(1L, minimumPerThread)));
  if (threads <= 1) {
    body(0L, count);
    return;
  }
  std::vector<std::thread> workers;
  const long step = (count + threads - 1) / threads;
  for (long begin = step; begin < count; begin += step) {
    workers.emplace_back(body, begin, std::min(count, begin + step));
  }
  body(0L, std::min(count, step));
  for (std::thread& worker : workers) worker.join();
}
