// Singular value decomposition A = U diag(w) V^T of a real m by n matrix with
// m >= n, by Householder reduction to upper bidiagonal form followed by
// implicitly shifted QR steps (Golub-Reinsch). U replaces A in place.
//
// The singular values are not sorted: each stays at the position of the
// bidiagonal element it came from, and the columns of U and V keep the
// matching positions. The only normalisation is the sign: a negative value is
// made positive by negating its column of V. v receives V itself, not its
// transpose, so A[i][j] = sum over k of a[i][k] * w[k] * v[j][k] afterwards.
//
// Errors go through numeric_fatal (a thrown NumericError; the work vector is
// released on the way out):
//   m < n                       "SVDCMP: You must augment A with extra zero rows"
//                               (before anything is allocated or changed)
//   a value not converged after 29 shifted QR steps, which includes every
//   input holding NaN or Inf when n >= 2
//                               "No convergence in 30 SVDCMP iterations"
//
// Reentrant: every scratch value lives in the call.
//
// Inputs:
//   a  m by n dmatrix over 1..m x 1..n, the matrix A
//   m  number of rows, m >= n
//   n  number of columns, n >= 0
// Outputs:
//   a  U, m by n with orthonormal columns
//   w  dvector over 1..n: the singular values, each >= 0
//   v  n by n dmatrix over 1..n x 1..n: V, column k the right singular vector
//      of w[k]; previous contents are ignored
#pragma once

void svdcmp(double** a, int m, int n, double* w, double** v);
