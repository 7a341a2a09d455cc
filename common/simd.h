// Lanes: eight doubles operated on together, one independent value per lane
// (a sensor, a noise vector, a covariance pair). Every operation on Lanes is
// the IEEE operation of each lane on its own, so a lane computes exactly the
// doubles of the scalar code it replaces; only the width changes.
//
// EEGSCAN_SIMD_CLONES builds a function once for AVX-512, once for AVX2 and
// once for any x86-64, and picks the widest the machine has when the program
// loads. Contraction into fused multiply-adds stays off in every clone.
#pragma once

typedef double Lanes __attribute__((vector_size(64)));
typedef long long LaneMask __attribute__((vector_size(64)));
typedef double UnalignedLanes __attribute__((vector_size(64), aligned(8), may_alias));
typedef long long UnalignedLaneMask __attribute__((vector_size(64), aligned(8), may_alias));
constexpr int kLanes = 8;

// Loads, stores and broadcasts are macros rather than functions: a helper
// function would be compiled for the baseline machine and hand its vectors
// through memory, while these expand inside each clone and use its
// instructions. Subtracting +0 leaves every double as it is (-0 stays -0); it
// only turns the scalar into a vector.
#define LANES_LOAD(pointer) (*reinterpret_cast<const UnalignedLanes*>(pointer))
#define LANES_STORE(pointer, value) (*reinterpret_cast<UnalignedLanes*>(pointer) = (value))
#define LANES_BROADCAST(scalar) ((scalar) - Lanes{})
#define LANE_MASK_LOAD(pointer) (*reinterpret_cast<const UnalignedLaneMask*>(pointer))

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && defined(__linux__)
#define EEGSCAN_SIMD_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define EEGSCAN_SIMD_CLONES
#endif
