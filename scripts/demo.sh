#!/usr/bin/env bash
# The main job: sets up, builds and runs the demo in Octave; the picture of
# the MUSIC map goes to build/demo/eegscan_music_map.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" >/dev/null
cd "$root"
octave-cli --no-gui --norc --no-history --no-window-system \
  --eval "addpath('$root/build/mex'); addpath('$root/demo'); eegscan_demo('$root/build/demo')"
