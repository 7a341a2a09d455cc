// Vectors and matrices of doubles indexed over an inclusive range low..high
// (in this code base the lower bound is always 1).
//
// A dvector handle v is the address of its block shifted by the lower bound,
// so v[low] is the first of exactly high - low + 1 contiguous doubles. A
// dmatrix handle m addresses a block of row pointers shifted the same way;
// each row m[i] is a dvector handle over the column range with a block of its
// own, so one row can be handed on wherever a dvector is expected, and the
// elements of a row are contiguous while distinct rows are not. An empty range
// (high == low - 1) gives a valid handle that must not be subscripted and is
// released like any other. Contents are not initialised.
//
// A failed allocation goes through numeric_fatal (a thrown NumericError) with
// "allocation failure in dvector()", "allocation failure 1 in dmatrix()" (row
// pointers) or "allocation failure 2 in dmatrix()" (a row); a dmatrix that
// fails part-way releases what it had made first.
#pragma once

// Creates a vector over low..high.
//
// Inputs:
//   low, high  inclusive index range, high >= low - 1
// Outputs:
//   returns the handle v, elements v[low] .. v[high]
double* dvector(int low, int high);

// Creates a matrix over row_low..row_high x col_low..col_high: first the row
// pointers, then the rows one at a time in increasing order.
//
// Inputs:
//   row_low, row_high  inclusive row range, row_high >= row_low - 1
//   col_low, col_high  inclusive column range, col_high >= col_low - 1
// Outputs:
//   returns the handle m, elements m[i][j]
double** dmatrix(int row_low, int row_high, int col_low, int col_high);

// Releases a vector made by dvector.
//
// Inputs:
//   v     handle from dvector(low, high)
//   low   its lower bound, which locates the block
//   high  its upper bound (not needed to find the block)
void release_dvector(double* v, int low, int high);

// Releases a matrix made by dmatrix: the rows from row_high down to row_low,
// then the row pointers.
//
// Inputs:
//   m                  handle from dmatrix(row_low, row_high, col_low, col_high)
//   row_low, row_high  its row range
//   col_low            its lower column bound, which locates each row block
//   col_high           its upper column bound (not needed to find the blocks)
void release_dmatrix(double** m, int row_low, int row_high, int col_low, int col_high);

// Owner of one dvector: creates it on construction and releases it on
// destruction, so the vector is also freed when a NumericError passes through.
// Move-only; a moved-from owner holds nothing.
class DVector {
 public:
  DVector(int low, int high) : handle_(dvector(low, high)), low_(low), high_(high) {}
  ~DVector() { reset(); }

  DVector(const DVector&) = delete;
  DVector& operator=(const DVector&) = delete;
  DVector(DVector&& other) noexcept : handle_(other.handle_), low_(other.low_), high_(other.high_) {
    other.handle_ = nullptr;
  }
  DVector& operator=(DVector&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.handle_;
      low_ = other.low_;
      high_ = other.high_;
      other.handle_ = nullptr;
    }
    return *this;
  }

  // The dvector handle, to subscript with low..high or to pass on.
  double* get() const { return handle_; }
  double& operator[](int i) const { return handle_[i]; }
  int low() const { return low_; }
  int high() const { return high_; }

 private:
  void reset() noexcept {
    if (handle_ != nullptr) release_dvector(handle_, low_, high_);
    handle_ = nullptr;
  }

  double* handle_;
  int low_;
  int high_;
};

// Owner of one dmatrix, the counterpart of DVector.
class DMatrix {
 public:
  DMatrix(int row_low, int row_high, int col_low, int col_high)
      : handle_(dmatrix(row_low, row_high, col_low, col_high)),
        row_low_(row_low),
        row_high_(row_high),
        col_low_(col_low),
        col_high_(col_high) {}
  ~DMatrix() { reset(); }

  DMatrix(const DMatrix&) = delete;
  DMatrix& operator=(const DMatrix&) = delete;
  DMatrix(DMatrix&& other) noexcept
      : handle_(other.handle_),
        row_low_(other.row_low_),
        row_high_(other.row_high_),
        col_low_(other.col_low_),
        col_high_(other.col_high_) {
    other.handle_ = nullptr;
  }
  DMatrix& operator=(DMatrix&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.handle_;
      row_low_ = other.row_low_;
      row_high_ = other.row_high_;
      col_low_ = other.col_low_;
      col_high_ = other.col_high_;
      other.handle_ = nullptr;
    }
    return *this;
  }

  // The dmatrix handle, to subscript as m[i][j] or to pass on.
  double** get() const { return handle_; }
  double* operator[](int i) const { return handle_[i]; }
  int row_low() const { return row_low_; }
  int row_high() const { return row_high_; }
  int col_low() const { return col_low_; }
  int col_high() const { return col_high_; }

 private:
  void reset() noexcept {
    if (handle_ != nullptr) release_dmatrix(handle_, row_low_, row_high_, col_low_, col_high_);
    handle_ = nullptr;
  }

  double** handle_;
  int row_low_;
  int row_high_;
  int col_low_;
  int col_high_;
};
