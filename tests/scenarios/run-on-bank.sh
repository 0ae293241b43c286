#!/usr/bin/env bash
# run-on-bank.sh BANK QBANK UIRUN SCRIPT: runs a scenario in a fresh temporary program folder holding the
# named test bank: uniform (make-uniform-bank.sh), varied (make-varied-bank.sh) or none (no db1.mdb at all).
# Without a bank the error box names the folder, so its golden images need the same folder on every machine:
# /tmp/taxi-no-bank/SCRIPT, whatever TMPDIR says.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "$1" = none ]; then
    dir=/tmp/taxi-no-bank/$(basename "$4" .uirun)
    rm -rf "$dir"
    mkdir -p "$dir" || exit 1
else
    dir=$(mktemp -d)
fi
trap 'rm -rf "$dir"' EXIT
if [ "$1" != none ]; then
    bash "$here/make-$1-bank.sh" "$2" "$dir" || exit 1
fi
"$3" --dir "$dir" "$4"
