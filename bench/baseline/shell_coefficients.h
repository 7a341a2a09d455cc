// The straightforward serial reading of the scan steps, kept as the
// baseline that the benchmarks measure against and that the equality tests
// compare the fast code with, bit for bit.
//
// shell_coefficients: the series coefficients c[1..100] of the three-layer
// spherical head (conductivities 0.2, 0.0131, 0.2 from the inside out,
// interfaces at 0.8 and 0.9 of the outer radius). They take the place of the
// factor 2n + 1 of the uniform sphere and depend on the order n alone.
//
// Inputs:
//   none
// Outputs:
//   c  101 doubles; c[n] for n = 1 .. 100 is written, c[0] is left as it is
#pragma once

namespace baseline {

constexpr int kShellTerms = 100;

void shell_coefficients(double c[kShellTerms + 1]);

}  // namespace baseline
