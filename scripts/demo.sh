#!/usr/bin/env bash
# The main job: sets up, builds and runs the demo in Octave; the picture of
# the MUSIC map goes to build/demo/eegscan_music_map.png.
#   scripts/demo.sh        the MUSIC scan demo
#   scripts/demo.sh bem    the BEM demo: matrices from meshes, then quillet
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" >/dev/null
cd "$root"
if [ "${1:-}" = "bem" ]; then
  call="bem_demo"
else
  call="eegscan_demo('$root/build/demo')"
fi
octave-cli --no-gui --norc --no-history --no-window-system \
  --eval "addpath('$root/build/mex'); addpath('$root/demo'); $call"
