#!/usr/bin/env bash
# Installs every system package the build, the program and the tests need (Debian, as root).
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libx11-dev libxext-dev libpixman-1-dev libfreetype-dev libfontconfig-dev libjpeg-dev libpng-dev
  fonts-wqy-microhei fonts-wqy-zenhei fonts-wine
  mdbtools
  desktop-file-utils dpkg-dev file
  xvfb xauth xdotool x11-utils
  clang libclang-rt-14-dev clang-tidy clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
