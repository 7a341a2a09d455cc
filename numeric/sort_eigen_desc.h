// Orders eigenvalues from largest to smallest and moves the eigenvector
// columns with them (a selection sort, at most n - 1 column exchanges).
//
// Among equal largest values the last one is moved forward, so equal
// eigenvalues exchange their eigenvector columns; an input in strictly
// decreasing order is left untouched.
//
// Inputs:
//   d  dvector over 1..n, eigenvalues as left by jacobi
//   v  n by n dmatrix over 1..n x 1..n, column k the eigenvector of d[k]
//   n  number of eigenvalues, n >= 0
// Outputs:
//   d  sorted into non-increasing order
//   v  columns permuted as d
#pragma once

void sort_eigen_desc(double* d, double** v, int n);
