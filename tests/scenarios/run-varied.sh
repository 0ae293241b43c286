#!/usr/bin/env bash
# run-varied.sh QBANK UIRUN SCRIPT: runs a scenario on a fresh varied bank (see make-varied-bank.sh).
set -u
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
bash "$here/make-varied-bank.sh" "$1" "$dir" || exit 1
"$2" --dir "$dir" "$3"
