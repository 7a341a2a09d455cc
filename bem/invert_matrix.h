// In-place inverse of a dense square matrix through LAPACK: LU
// factorisation with partial pivoting (dgetrf), a 1-norm condition estimate
// (dgecon), and the inverse from the factors (dgetri).
//
// Inputs:
//   a        n x n doubles, column-major
//   n        order (>= 0)
//   minReciprocalCondition
//            the smallest estimated reciprocal condition number (1-norm)
//            accepted; below it the matrix counts as singular
// Outputs:
//   a        the inverse, when the returned value is at least
//            minReciprocalCondition; otherwise the LU factors, not a result
//   returns  the reciprocal condition estimate, 0.0 for a matrix with an
//            exactly zero pivot, 1.0 for n = 0
//
// Throws std::bad_alloc when the pivot or work arrays cannot be obtained.
#pragma once

double invert_matrix(double* a, int n, double minReciprocalCondition);
