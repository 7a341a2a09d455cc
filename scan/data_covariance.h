// data_covariance: the covariance of the data about zero,
// Cov[i][j] = Cov[j][i] = (sum over t of x_i(t) x_j(t)) / nSamples, each sum
// formed in ascending sample order. Pairs are summed kLanes at a time (one
// pair per lane) on all cores; the doubles are those of the pair-by-pair sum.
//
// Inputs:
//   samples   nSensors x nSamples, column-major: sample t of sensor k is
//             samples[t * nSensors + k] (the layout of the host's matrix)
//   nSensors, nSamples
// Outputs:
//   Cov       1..nSensors x 1..nSensors
#pragma once

void data_covariance(const double* samples, int nSensors, int nSamples, double** Cov);
