#!/usr/bin/env bash
# ShapedWindowXvfb.sh PROGRAM SHAPE_PROBE SKIN: the real program under Xvfb in a skin whose frame pieces have
# rounded, see-through outer corners. The main window's shape on the desktop follows the frame: the pixels at
# its top corners, outside the rounded outline, are not the window's (the desktop shows there), while the
# left border further down and the caption are. Exit 77 (skipped) without Xvfb or xdotool.
set -u
program="$1"
probe="$2"
source "$(dirname "$0")/../support/start-xvfb.sh"
begin_xvfb_run 77
start_xvfb || exit 1
export XDG_RUNTIME_DIR="$work"
copy_program_folder "$program"

"$work/app/$(basename "$program")" --skin "$3" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
main=$(find_window "【岚途学堂】出租车从业资格证考试题练习系统 1.0") || fail "no main window"
sleep 1
[ -s "$work/err.log" ] && fail "the program complained about the skin"
width=$(xdotool getwindowgeometry "$main" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')

# expect X Y inside|outside
expect() {
    local got
    got=$("$probe" "$main" "$1" "$2") || fail "the window's shape cannot be read"
    echo "($1, $2) $got" >>"$work/steps.log"
    [ "$got" = "$3" ] || fail "the pixel ($1, $2) of the main window is $got its shape, not $3"
}
expect 0 0 outside
expect $((width - 1)) 0 outside
expect 0 40 inside
expect 40 2 inside
expect $((width / 2)) 0 inside
echo "PASSED ($(tr '\n' ';' <"$work/steps.log"))"
