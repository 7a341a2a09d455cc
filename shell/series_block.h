// series_block: the 100-term series of one source at eight sensors at once,
// each sensor in its own lane running the scalar recurrence
//   V[a] = (Q * tau[a] / n + P * s[a]) * c[n] * beta + V[a]
//   beta = beta * b
//   Pnext = (2n + 1)/(n + 1) * P * cg - n/(n + 1) * Pprev
//   Q = (P - Pnext * cg) * (n + 1) / sg
// for n = 1 .. 100, with Q = sg and P = cg, Pprev = 1, beta = 1 at the start.
// A lane at a pole (general = 0) has tau = 0 and Q held at zero, so its
// tangential term is an exact +0 and it sums the radial part alone.
//
// The widest code the machine runs is picked when first called: AVX-512 or
// AVX2 with fused multiply-add, else plain x86-64. Every version gives the
// same doubles (see series_block_kernel.inc for the division by n).
//
// Inputs:
//   block  the order tables (1-based, entries 1 .. 100), the source's unit
//          direction s and eccentricity b, and per-sensor arrays of eight
//          values: cg, sg, tauX/Y/Z and the general mask (-1 or 0)
// Outputs:
//   V      V[a][k] = sum for axis a at sensor k of the block
#pragma once

constexpr int kSeriesBlockSensors = 8;

// Plain data only: the kernels are compiled for several instruction sets and
// must share no inline code with the rest of the program.
struct SeriesBlock {
  const double* c;
  const double* order;
  const double* orderPlusOne;
  const double* nextRatio;
  const double* prevRatio;
  const double* exactReciprocal;  // 1/n where n is a power of two, else 0
  const double* reciprocal;       // 1/n rounded to the nearest double
  double s[3];
  double b;
  const double* cg;
  const double* sg;
  const double* tauX;
  const double* tauY;
  const double* tauZ;
  const long long* general;
};

void series_block(const SeriesBlock& block, double V[3][kSeriesBlockSensors]);

// The versions behind series_block, each for `width` sensors from `offset`.
void series_block_generic(const SeriesBlock& block, int offset, double V[3][kSeriesBlockSensors]);
void series_block_avx2(const SeriesBlock& block, int offset, double V[3][kSeriesBlockSensors]);
void series_block_avx512(const SeriesBlock& block, int offset, double V[3][kSeriesBlockSensors]);

// The divisions x[k] / n of the FMA versions, exposed for tests: count a
// multiple of 8, every |x[k]| in [2^-898, 2^511], n in 3 .. 100 and not a
// power of two.
void exact_quotients_avx2(const double* x, int count, int n, double* quotient);
void exact_quotients_avx512(const double* x, int count, int n, double* quotient);
