#include "numeric/offset_arrays.h"

#include <cstddef>
#include <new>

#include "numeric/numeric_fatal.h"

namespace {

// Number of elements of low..high, formed wide so that no int range overflows.
std::size_t range_length(int low, int high) {
  long long length = static_cast<long long>(high) - static_cast<long long>(low) + 1;
  return length > 0 ? static_cast<std::size_t>(length) : 0;
}

// The non-throwing array new gives a block of its own even for zero
// elements, so an empty range still has a valid, releasable handle, and it
// reports failure (also a size too large to express) as a null pointer.
template <class Element>
Element* allocate_block(std::size_t count) {
  return new (std::nothrow) Element[count];
}

}  // namespace

double* dvector(int low, int high) {
  double* block = allocate_block<double>(range_length(low, high));
  if (block == nullptr) numeric_fatal("allocation failure in dvector()");
  return block - low;
}

double** dmatrix(int row_low, int row_high, int col_low, int col_high) {
  double** rowBlock = allocate_block<double*>(range_length(row_low, row_high));
  if (rowBlock == nullptr) numeric_fatal("allocation failure 1 in dmatrix()");
  double** m = rowBlock - row_low;

  const std::size_t nColumns = range_length(col_low, col_high);
  for (int i = row_low; i <= row_high; ++i) {
    double* row = allocate_block<double>(nColumns);
    if (row == nullptr) {
      // The error leaves this routine, so the rows made so far and the row
      // pointers would have no owner: give them back first.
      release_dmatrix(m, row_low, i - 1, col_low, col_high);
      numeric_fatal("allocation failure 2 in dmatrix()");
    }
    m[i] = row - col_low;
  }
  return m;
}

void release_dvector(double* v, int low, int /*high*/) { delete[] (v + low); }

void release_dmatrix(double** m, int row_low, int row_high, int col_low, int /*col_high*/) {
  for (int i = row_high; i >= row_low; --i) delete[] (m[i] + col_low);
  delete[] (m + row_low);
}
