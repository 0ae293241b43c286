#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/check-layers.sh"
build="${BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAXI_TESTS=ON -DTAXI_BENCH=ON
cmake --build "$build" -j"$(nproc)"
bash "$here/scripts/check-style.sh" "$build"
# The project also builds inside another one (add_subdirectory): one small program and what it makes in the
# project's own binary folder, which is its program folder there.
consumer="$build/subproject"
cmake -S "$here/tests/consumer" -B "$consumer" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAXI_TESTS=OFF -DTAXI_BENCH=OFF
cmake --build "$consumer" -j"$(nproc)" --target reference_skin
for made in skinpack reference.skin; do
  [ -e "$consumer/taxi/$made" ] || { echo "the sub-project build left no taxi/$made"; exit 1; }
done
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
bash "$here/scripts/check-install.sh" .
