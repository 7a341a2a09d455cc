#!/usr/bin/env bash
# Checks for the Debian packages that eegscan needs and installs the missing
# ones when run as root; otherwise prints the exact command and stops.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev octave liboctave-dev liblapack-dev)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "eegscan setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "eegscan setup: these Debian packages are missing: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
