#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the desktop.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
build="${BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAXI_TESTS=OFF -DTAXI_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target taxitrainer sample_bank bank_pictures
exec "$build/taxitrainer"
