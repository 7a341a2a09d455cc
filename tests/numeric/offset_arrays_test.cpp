#include "numeric/offset_arrays.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>

#include "array_allocation_probe.h"
#include "numeric/numeric_fatal.h"

namespace {

// A store record is written as one run of doubles from v[1] on, so a vector
// over 1..3 must be exactly those three doubles, in index order.
TEST(OffsetArrays, VectorOverOneToThreeIsThreeContiguousDoubles) {
  DVector v(1, 3);
  v[1] = 1.25;
  v[2] = -2.5;
  v[3] = 3.75;
  const double expected[3] = {1.25, -2.5, 3.75};
  EXPECT_EQ(0, std::memcmp(&v[1], expected, sizeof expected));
}

// Every element of a matrix with arbitrary bounds is storage of its own, and
// each row is one contiguous run over the column range, as a vector would be.
TEST(OffsetArrays, MatrixWithOffsetBoundsHoldsEveryElementApart) {
  const int rowLow = -2, rowHigh = 1, colLow = 5, colHigh = 7;
  DMatrix m(rowLow, rowHigh, colLow, colHigh);
  for (int i = rowLow; i <= rowHigh; ++i) {
    for (int j = colLow; j <= colHigh; ++j) m[i][j] = 100.0 * i + j;
  }
  for (int i = rowLow; i <= rowHigh; ++i) {
    const double expected[3] = {100.0 * i + 5, 100.0 * i + 6, 100.0 * i + 7};
    EXPECT_EQ(0, std::memcmp(&m[i][colLow], expected, sizeof expected)) << "row " << i;
  }
}

// An empty range is a valid request, not an allocation failure, and its
// handle is released like any other.
TEST(OffsetArrays, EmptyRangesAreCreatedAndReleased) {
  struct Bounds {
    int rowLow, rowHigh, colLow, colHigh;
  };
  OutstandingArrays outstanding;
  for (const Bounds& b : {Bounds{1, 0, 1, 3}, Bounds{1, 3, 1, 0}, Bounds{1, 0, 1, 0},
                          Bounds{-4, -5, 7, 6}}) {
    double** m = dmatrix(b.rowLow, b.rowHigh, b.colLow, b.colHigh);
    EXPECT_NE(nullptr, m);
    release_dmatrix(m, b.rowLow, b.rowHigh, b.colLow, b.colHigh);
  }
  for (int low : {1, -4, 0}) {
    double* v = dvector(low, low - 1);
    EXPECT_NE(nullptr, v);
    release_dvector(v, low, low - 1);
  }
  EXPECT_EQ(0, outstanding.count());
}

TEST(OffsetArrays, OwnersReleaseExactlyOnceAcrossMoves) {
  OutstandingArrays outstanding;
  {
    DVector first(1, 40);
    DVector second(std::move(first));
    EXPECT_EQ(nullptr, first.get());
    DVector third(1, 2);
    third = std::move(second);
    third[40] = 1.0;

    DMatrix rows(1, 30, 1, 3);
    DMatrix moved(std::move(rows));
    EXPECT_EQ(nullptr, rows.get());
    moved[30][3] = 1.0;
    // One vector (the one that third held first went at the assignment), and
    // 30 rows with their row pointers.
    EXPECT_EQ(32, outstanding.count());
  }
  EXPECT_EQ(0, outstanding.count());
}

// A refused allocation raises its own message, and whatever the routine had
// made before is given back: the row pointers and earlier rows of a matrix.
TEST(OffsetArrays, AllocationFailureRaisesItsMessageAndLeaksNothing) {
  struct Case {
    const char* expected;
    long granted;  // allocations that succeed before the refused one
    std::function<void()> allocate;
  };
  const Case cases[] = {
      {"allocation failure in dvector()", 0, [] { dvector(1, 3); }},
      {"allocation failure 1 in dmatrix()", 0, [] { dmatrix(1, 3, 1, 3); }},
      {"allocation failure 2 in dmatrix()", 1, [] { dmatrix(1, 3, 1, 3); }},
      {"allocation failure 2 in dmatrix()", 3, [] { dmatrix(1, 3, 1, 3); }},
      {"allocation failure 2 in dmatrix()", 1, [] { dmatrix(1, 2, 1, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.expected) + " after " + std::to_string(c.granted));
    OutstandingArrays outstanding;
    std::string message = "no error";
    {
      RefuseArrayAllocation refuse(c.granted);
      try {
        c.allocate();
      } catch (const NumericError& error) {
        message = error.what();
      }
    }
    EXPECT_EQ(c.expected, message);
    EXPECT_EQ(0, outstanding.count());
  }
}

}  // namespace
