#include "array_allocation_probe.h"

#include <cstdlib>
#include <new>

namespace array_probe {
long made = 0;
long released = 0;
long refuseAfter = -1;
}  // namespace array_probe

// The throwing forms keep their default definitions, which also take their
// blocks from malloc, so one free() serves every array delete.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (array_probe::refuseAfter == 0) {
    array_probe::refuseAfter = -1;
    return nullptr;
  }
  if (array_probe::refuseAfter > 0) --array_probe::refuseAfter;
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block != nullptr) ++array_probe::made;
  return block;
}

void operator delete[](void* block) noexcept {
  if (block == nullptr) return;
  ++array_probe::released;
  std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept { operator delete[](block); }
