#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and be tested.
# Skips apt entirely when everything is already there, so it is cheap to repeat.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libqt6svg6-dev
          fontconfig fonts-liberation fonts-liberation2 fonts-dejavu-core
          xvfb xauth imagemagick poppler-utils xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
