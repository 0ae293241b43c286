#!/usr/bin/env bash
# Rewrites the golden PNGs under tests/ from what the code renders now: reruns the tests (all, or those
# matching the ctest pattern given as first argument) with TAXI_UPDATE_GOLDENS=1. Review the images before
# committing them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$here/build}"
pattern="${1:-.}"
cmake --build "$build" -j"$(nproc)"
cd "$build"
TAXI_UPDATE_GOLDENS=1 ctest -R "$pattern" --output-on-failure
git -C "$here" status --short -- 'tests/*.png'
