// Test-only view of the array allocations of the numerical core, which takes
// every block with the non-throwing array new and gives it back with array
// delete. array_allocation_probe.cpp replaces both for the whole test
// program, counting them and, on request, refusing one allocation.
#pragma once

namespace array_probe {
extern long made;           // successful non-throwing array allocations
extern long released;       // array releases of a non-null block
extern long refuseAfter;    // allocations still granted before one is refused; < 0: none refused
}  // namespace array_probe

// Arrays made and not released since this object was constructed.
class OutstandingArrays {
 public:
  OutstandingArrays() : made_(array_probe::made), released_(array_probe::released) {}
  long count() const { return (array_probe::made - made_) - (array_probe::released - released_); }

 private:
  long made_;
  long released_;
};

// While alive, grants `granted` array allocations and refuses the next one;
// later ones succeed again.
class RefuseArrayAllocation {
 public:
  explicit RefuseArrayAllocation(long granted) { array_probe::refuseAfter = granted; }
  ~RefuseArrayAllocation() { array_probe::refuseAfter = -1; }
  RefuseArrayAllocation(const RefuseArrayAllocation&) = delete;
  RefuseArrayAllocation& operator=(const RefuseArrayAllocation&) = delete;
};
