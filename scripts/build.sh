#!/usr/bin/env bash
# Sets up (scripts/setup.sh) and builds eegscan into build/ (MEX files in build/mex).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$(nproc)"
