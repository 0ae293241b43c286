#!/usr/bin/env bash
# ScaledScreenshot.sh UIRUN COMPARE SCRIPT SHOT: runs a scenario at pixel scale 1 and at 2, each in a folder of
# its own, and checks that the screenshot SHOT it takes at 2 is the one at 1 with every pixel doubled.
set -u
uirun="$1" compare="$2" script="$3" shot="$4"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/1" "$work/2"
(cd "$work/1" && "$uirun" "$script") || { echo "FAILED: the scenario at scale 1"; exit 1; }
(cd "$work/2" && "$uirun" --scale 2 "$script") || { echo "FAILED: the scenario at scale 2"; exit 1; }
"$compare" "$work/1/$shot" "$work/2/$shot" 2
