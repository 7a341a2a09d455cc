// series_block with AVX2 and fused multiply-add (compiled with -mavx2 -mfma),
// four sensors at a time. Only intrinsics are included, so no inline code of
// this file can stand in for code of the baseline build.
#include <immintrin.h>

#include "shell/series_block.h"

typedef double KernelLanes __attribute__((vector_size(32)));
typedef long long KernelMask __attribute__((vector_size(32)));
typedef double KernelUnaligned __attribute__((vector_size(32), aligned(8), may_alias));
typedef long long KernelUnalignedMask __attribute__((vector_size(32), aligned(8), may_alias));
#define KERNEL_WIDTH 4
#define KERNEL_NAME series_block_avx2_half
#define KERNEL_QUOTIENTS_NAME exact_quotients_avx2

static inline KernelLanes kernel_fma(KernelLanes a, KernelLanes b, KernelLanes c) {
  return (KernelLanes)_mm256_fmadd_pd((__m256d)a, (__m256d)b, (__m256d)c);
}

// Every lane has lowest <= |x| <= highest (NaN fails).
static inline bool kernel_all_within(KernelLanes x, double lowest, double highest) {
  const __m256d magnitude = _mm256_andnot_pd(_mm256_set1_pd(-0.0), (__m256d)x);
  const __m256d above = _mm256_cmp_pd(magnitude, _mm256_set1_pd(lowest), _CMP_GE_OQ);
  const __m256d below = _mm256_cmp_pd(magnitude, _mm256_set1_pd(highest), _CMP_LE_OQ);
  return _mm256_movemask_pd(_mm256_and_pd(above, below)) == 0xF;
}

#define KERNEL_BROADCAST(scalar) ((scalar) - KernelLanes{})
#include "shell/series_block_fma.inc"

static void series_block_avx2_half(const SeriesBlock& in, int offset,
                                   double V[3][kSeriesBlockSensors]);
#include "shell/series_block_kernel.inc"

void series_block_avx2(const SeriesBlock& in, int offset, double V[3][kSeriesBlockSensors]) {
  series_block_avx2_half(in, offset, V);
  series_block_avx2_half(in, offset + 4, V);
}
