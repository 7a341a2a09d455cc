#include "shell/series_block.h"

namespace {

using SeriesBlockVersion = void (*)(const SeriesBlock&, int, double[3][kSeriesBlockSensors]);

SeriesBlockVersion widest_version() {
#if defined(EEGSCAN_X86_KERNELS)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("fma")) {
    return series_block_avx512;
  }
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return series_block_avx2;
#endif
  return series_block_generic;
}

}  // namespace

void series_block(const SeriesBlock& block, double V[3][kSeriesBlockSensors]) {
  static const SeriesBlockVersion version = widest_version();
  version(block, 0, V);
}
