// series_block with AVX-512 and fused multiply-add (compiled with -mavx512f).
// Only intrinsics are included, so no inline code of this file can stand in
// for code of the baseline build.
#include <immintrin.h>

#include "shell/series_block.h"

typedef double KernelLanes __attribute__((vector_size(64)));
typedef long long KernelMask __attribute__((vector_size(64)));
typedef double KernelUnaligned __attribute__((vector_size(64), aligned(8), may_alias));
typedef long long KernelUnalignedMask __attribute__((vector_size(64), aligned(8), may_alias));
#define KERNEL_WIDTH 8
#define KERNEL_NAME series_block_avx512
#define KERNEL_QUOTIENTS_NAME exact_quotients_avx512

static inline KernelLanes kernel_fma(KernelLanes a, KernelLanes b, KernelLanes c) {
  return (KernelLanes)_mm512_fmadd_pd((__m512d)a, (__m512d)b, (__m512d)c);
}

// Every lane has lowest <= |x| <= highest (NaN fails).
static inline bool kernel_all_within(KernelLanes x, double lowest, double highest) {
  const __m512d magnitude = _mm512_abs_pd((__m512d)x);
  const __mmask8 above = _mm512_cmp_pd_mask(magnitude, _mm512_set1_pd(lowest), _CMP_GE_OQ);
  const __mmask8 below = _mm512_cmp_pd_mask(magnitude, _mm512_set1_pd(highest), _CMP_LE_OQ);
  return (above & below) == 0xFF;
}

#define KERNEL_BROADCAST(scalar) ((scalar) - KernelLanes{})
#include "shell/series_block_fma.inc"
#include "shell/series_block_kernel.inc"
