#!/usr/bin/env bash
# Builds the Octave package eegscan-<version>.tar.gz into the given folder
# (default build/package): DESCRIPTION, INDEX and COPYING from packaging/, and
# in src/ the project's sources with a Makefile through which `pkg install`
# builds the MEX files with the project's own CMake build and installs each
# beside its help file. Installing needs cmake, a C++17 compiler and
# mkoctfile (scripts/setup.sh installs them).
#
#   scripts/package.sh [folder]
#   octave> pkg install build/package/eegscan-0.1.0.tar.gz
#   octave> pkg load eegscan
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/package}"
version="$(sed -n 's/^Version: *//p' "$root/packaging/DESCRIPTION")"
name="eegscan-$version"

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
package="$stage/$name"
mkdir -p "$package/src/eegscan"
sed "s/^Date: .*/Date: $(date +%F)/" "$root/packaging/DESCRIPTION" > "$package/DESCRIPTION"
cp "$root/packaging/INDEX" "$root/packaging/COPYING" "$package/"
# bem_matrices joins the BEM functions where the tree has it.
if [ -f "$root/bem/bem_matrices.m" ]; then
  sed -i 's/^ quillet norveth$/ quillet norveth bem_matrices/' "$package/INDEX"
fi
cp "$root/packaging/Makefile" "$package/src/Makefile"
# Everything the MEX files are built from (the CMake build reads bench/ too);
# not the tests, demo, scripts or build folders.
for entry in "$root"/*; do
  case "$(basename "$entry")" in
    tests | demo | scripts | packaging | build*) continue ;;
  esac
  cp -R "$entry" "$package/src/eegscan/"
done

mkdir -p "$out"
tar -C "$stage" --sort=name --owner=0 --group=0 --numeric-owner -czf "$out/$name.tar.gz" "$name"
echo "$out/$name.tar.gz"
