#!/usr/bin/env bash
# Builds the MEX files once more with AddressSanitizer and runs the randomized
# argument test (tests/octave/test_fuzz.m) on them in Octave, with the
# sanitizer's run-time library preloaded: an invalid read or write in a
# gateway or computation then ends the run with a report, even where the call
# would have returned a plausible result.
#
#   fuzz_under_asan.sh <source dir> <build folder> <c++ compiler> <calls> <seed> <mex target>...
set -euo pipefail
source_dir="$1"
build="$2"
compiler="$3"
calls="$4"
seed="$5"
shift 5

cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$compiler" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address -fno-omit-frame-pointer" \
  -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address" \
  -DEEGSCAN_BUILD_TESTS=OFF -DEEGSCAN_BUILD_BENCH=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Matlab=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "$@" >/dev/null

# Octave itself is not instrumented; the library must come first so that
# every allocation, Octave's included, is watched. Octave's own allocations
# that live until exit are not the MEX files' leaks.
libasan="$("$compiler" -print-file-name=libasan.so)"
export LD_PRELOAD="$libasan"
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1:abort_on_error=0:exitcode=86"
exec octave-cli --no-gui --norc --no-history --no-window-system \
  --eval "addpath('$build/mex'); addpath('$source_dir/tests/octave'); test_fuzz($calls, $seed)"
