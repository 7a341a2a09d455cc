// All eigenvalues and eigenvectors of a real symmetric matrix by cyclic Jacobi
// rotations with a threshold strategy.
//
// Sweeps 1 to 3 rotate only elements above a fifth of the mean off-diagonal
// magnitude; from sweep 5 on, an element negligible against both diagonal
// entries it couples is set to zero without a rotation. Convergence is an
// off-diagonal sum of exactly zero, checked at the start of each sweep. After
// 50 sweeps without it, d is set to the entry diagonal plus the accumulated
// corrections and the routine returns false; the caller then prints
// jacobi_sweep_limit_notice to the command window and carries on with d and
// v. Nothing is printed here, so concurrent calls cannot interleave output.
//
// Only the diagonal and the strict upper triangle of a are read. The strict
// upper triangle is overwritten (all zero on convergence); the diagonal and
// the strict lower triangle are left as they were.
//
// Inputs:
//   a  n by n dmatrix over 1..n x 1..n, symmetric
//   n  order of a, n >= 0
// Outputs:
//   d               dvector over 1..n: the eigenvalues, unordered
//   v               n by n dmatrix over 1..n x 1..n: column k is the unit
//                   eigenvector of d[k]; previous contents are ignored
//   rotation_count  number of rotations applied
//   returns         true when converged (or n < 2), false at the sweep limit
//
// Example:
//   bool converged = jacobi(a, n, d, v, &rotations);
//   sort_eigen_desc(d, v, n);
//   if (!converged) mexPrintf("%s", jacobi_sweep_limit_notice);
#pragma once

bool jacobi(double** a, int n, double* d, double** v, int* rotation_count);

// The two ways jacobi works, with the same results to the bit: on the
// caller's arrays (small orders), or with the eigenvectors kept as rows that
// rotate in SIMD lanes (large orders). Exposed for the tests.
bool jacobi_in_place(double** a, int n, double* d, double** v, int* rotation_count);
bool jacobi_on_copy(double** a, int n, double* d, double** v, int* rotation_count);

// The notice for the command window when jacobi stops at the sweep limit; it
// carries no newline.
extern const char* const jacobi_sweep_limit_notice;
