#!/usr/bin/env bash
# run-on-bank.sh BANK QBANK UIRUN SCRIPT: runs a scenario in a fresh temporary program folder holding the
# named test bank: uniform (make-uniform-bank.sh), varied (make-varied-bank.sh) or none (no db1.mdb at all).
set -u
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
if [ "$1" != none ]; then
    bash "$here/make-$1-bank.sh" "$2" "$dir" || exit 1
fi
"$3" --dir "$dir" "$4"
