#!/usr/bin/env bash
# run-uniform.sh QBANK UIRUN SCRIPT: runs a scenario on a fresh uniform bank (see make-uniform-bank.sh).
set -u
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
bash "$here/make-uniform-bank.sh" "$1" "$dir" || exit 1
"$2" --dir "$dir" "$3"
