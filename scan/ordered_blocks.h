// run_ordered_blocks: blocks of consecutive grid points worked on by every
// core and handed back to the calling thread in grid order.
//
//   prepare(block)        calling thread, in block order, before the block
//                         is worked on (reading a store block, for instance)
//   work(worker, block)   one of nWorkers threads, in any order
//   commit(block)         calling thread, in block order, once the block's
//                         work is done (showing lines, writing records)
//
// Only the calling thread runs prepare and commit, so they may use the host;
// work must not. At most `window` blocks are between prepare and commit at
// any time: block b may use the buffers of slot b % window, and memory does
// not grow with the grid. An exception from prepare or commit, or one that
// escaped work (rethrown after that block's commit), stops the workers and
// reaches the caller; blocks after it are dropped.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

template <class Prepare, class Work, class Commit>
void run_ordered_blocks(long nBlocks, int nWorkers, long window, Prepare&& prepare, Work&& work,
                        Commit&& commit) {
  if (nWorkers <= 1 || nBlocks <= 1) {
    for (long block = 0; block < nBlocks; ++block) {
      prepare(block);
      work(0, block);
      commit(block);
    }
    return;
  }

  struct Slot {
    bool done = false;
    std::exception_ptr failure;
  };
  std::mutex mutex;
  std::condition_variable readyForWorkers;
  std::condition_variable readyForCommit;
  std::deque<long> queue;
  std::vector<Slot> slots(window);
  bool stopping = false;

  auto worker_loop = [&](int worker) {
    for (;;) {
      long block;
      {
        std::unique_lock<std::mutex> lock(mutex);
        readyForWorkers.wait(lock, [&] { return stopping || !queue.empty(); });
        if (stopping) return;
        block = queue.front();
        queue.pop_front();
      }
      std::exception_ptr failure;
      try {
        work(worker, block);
      } catch (...) {
        failure = std::current_exception();
      }
      {
        std::lock_guard<std::mutex> lock(mutex);
        slots[block % window].done = true;
        slots[block % window].failure = failure;
      }
      readyForCommit.notify_one();
    }
  };

  std::vector<std::thread> workers;
  auto stop_workers = [&] {
    {
      std::lock_guard<std::mutex> lock(mutex);
      stopping = true;
    }
    readyForWorkers.notify_all();
    for (std::thread& thread : workers) thread.join();
    workers.clear();
  };

  try {
    for (int worker = 0; worker < nWorkers; ++worker) workers.emplace_back(worker_loop, worker);
    long nextToPrepare = 0;
    for (long nextToCommit = 0; nextToCommit < nBlocks; ++nextToCommit) {
      while (nextToPrepare < nBlocks && nextToPrepare < nextToCommit + window) {
        prepare(nextToPrepare);
        {
          std::lock_guard<std::mutex> lock(mutex);
          slots[nextToPrepare % window] = Slot();
          queue.push_back(nextToPrepare);
        }
        readyForWorkers.notify_one();
        ++nextToPrepare;
      }
      std::exception_ptr failure;
      {
        std::unique_lock<std::mutex> lock(mutex);
        Slot& slot = slots[nextToCommit % window];
        readyForCommit.wait(lock, [&] { return slot.done; });
        failure = slot.failure;
      }
      commit(nextToCommit);
      if (failure) std::rethrow_exception(failure);
    }
  } catch (...) {
    stop_workers();
    throw;
  }
  stop_workers();
}
