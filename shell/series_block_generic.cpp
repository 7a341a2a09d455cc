// series_block for any x86-64 (and any other machine): plain divisions.
#include "shell/series_block.h"

typedef double KernelLanes __attribute__((vector_size(64)));
typedef long long KernelMask __attribute__((vector_size(64)));
typedef double KernelUnaligned __attribute__((vector_size(64), aligned(8), may_alias));
typedef long long KernelUnalignedMask __attribute__((vector_size(64), aligned(8), may_alias));
#define KERNEL_WIDTH 8
#define KERNEL_NAME series_block_generic
#define KERNEL_TAU_FAST(tau) false
#define KERNEL_Q_FAST(Q) false
#define KERNEL_QUOTIENT(x, in, order, fast) ((void)(fast), (x) / KERNEL_BROADCAST((in).order[order]))

#include "shell/series_block_kernel.inc"
