#!/usr/bin/env bash
# Runs every test (C++ unit tests and the Octave tests through the real host)
# after setting up and building.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" "$@"
