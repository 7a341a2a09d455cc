// ShellSeries: everything of the 100-term series that depends on the order n
// alone, computed once and shared by every source and sensor: the
// coefficients c[n] and the recurrence ratios (2n + 1)/(n + 1) and n/(n + 1),
// formed by the same operations as inside the series so they are the same
// doubles.
//
// Inputs:
//   none
// Outputs:
//   series  entries 1 .. 100 of every table
#pragma once

#include "shell/shell_coefficients.h"

struct ShellSeries {
  double c[kShellTerms + 1];
  double order[kShellTerms + 1];         // n
  double orderPlusOne[kShellTerms + 1];  // n + 1
  double nextRatio[kShellTerms + 1];     // (2n + 1)/(n + 1)
  double prevRatio[kShellTerms + 1];     // n/(n + 1)
  // 1/n where n is a power of two: dividing by such an n and multiplying by
  // its exact reciprocal round the same real number, so they give the same
  // double. 0 for every other n.
  double exactReciprocal[kShellTerms + 1];
  double reciprocal[kShellTerms + 1];  // 1/n rounded to the nearest double
};

void shell_series(ShellSeries& series);
