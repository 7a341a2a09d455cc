#!/usr/bin/env bash
# Runs every benchmark: the C++ kernels and whole scans against the serial
# baseline (median of three runs), the peak memory of a 10^6-point scan, the
# BEM matrices, and the MEX functions timed from Octave.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" >/dev/null
bench="$root/build/bench"

echo "== scans against the serial baseline (median of 3; us_per_point per grid point)"
"$bench/scan_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_display_aggregates_only=true 2>/dev/null | grep -E "Benchmark|median"

echo
echo "== peak memory, 10^6 grid points, 64 sensors"
"$bench/scan_memory" 1000000 64

echo
echo "== bem_matrices"
"$bench/bem_matrices_bench" 2>/dev/null | grep -E "Benchmark|BM_"

echo
echo "== MEX functions timed from Octave"
octave-cli --no-gui --norc --no-history --no-window-system \
  --eval "addpath('$root/build/mex'); addpath('$root/demo'); addpath('$root/bench'); octave_timing"
