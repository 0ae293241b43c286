#!/usr/bin/env bash
# Draws the README's pictures of the program's windows into docs/screenshots/ with uirun on the headless
# display (docs/screenshots/readme*.uirun), from the build folder BUILD_DIR (default build/). Look at them
# before committing them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$here/build}"
build=$(cd "$build" 2>/dev/null && pwd) || { echo "no build folder $build" >&2; exit 2; }
[ -x "$build/uirun" ] || { echo "no uirun in $build: build first (bash scripts/run.sh or cmake --build)" >&2; exit 2; }
out="$here/docs/screenshots"
cd "$out"
"$build/uirun" "$out/readme.uirun" "$out/readme-exam.uirun"
ls -l "$out"/*.png
