#!/usr/bin/env bash
# run-nobank.sh UIRUN SCRIPT: runs a scenario in an empty program folder, without db1.mdb.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$1" --dir "$dir" "$2"
