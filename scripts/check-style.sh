#!/usr/bin/env bash
# Fails when a source file is not clang-formatted or breaks the naming rule that clang-tidy checks
# (CONTRIBUTING.md, "Naming"). Needs the build folder's compile_commands.json.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$here/build}"
cd "$here"

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# Generated sources in the build folder are left out; everything else the build compiles is checked.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! run-clang-tidy -p "$build" -quiet -j"$(nproc)" "^$here/(src|tools|tests|bench)/" >"$log" 2>&1; then
  grep -E ': (warning|error): ' "$log" | sort -u || cat "$log"
  echo "clang-tidy: the naming rule is broken above"
  exit 1
fi
echo "style: clang-format and the naming rule hold"
