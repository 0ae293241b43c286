#!/usr/bin/env bash
# End-to-end check of the SDL2 display: start Xvfb on a free display, run the demo program on it, click its
# first child window with xdotool and see the click arrive, then close the window with its close button and
# see the program end normally. Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u
program="$1"
source "$(dirname "$0")/../../support/start-xvfb.sh"
begin_xvfb_run 77
start_xvfb || exit 1

"$program" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
for _ in $(seq 1 100); do
    grep -q "demo: ready" "$work/out.log" && xdotool search --onlyvisible --name "1\\.0" >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --name "1\\.0" >/dev/null 2>&1 ||
    { echo "FAILED: the demo window did not appear"; cat "$work/out.log" "$work/err.log"; exit 1; }
sleep 0.3

# The demo window sits at (200, 150), 480 x 320, with a 3-pixel frame and a 19-pixel caption; its first
# child is at (40, 90) in the client area, 180 x 60.
xdotool mousemove 333 286 click 1
for _ in $(seq 1 50); do
    grep -q "demo: child 1 clicked" "$work/out.log" && break
    sleep 0.1
done
grep -q "demo: child 1 clicked" "$work/out.log" || { echo "FAILED: the click did not arrive"; cat "$work/out.log"; exit 1; }

# The close button: 16 x 14 at 2 pixels from the caption's right end.
xdotool mousemove $((200 + 480 - 3 - 2 - 8)) $((150 + 3 + 2 + 7)) click 1
for _ in $(seq 1 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "FAILED: the close button did not end the program"
    exit 1
fi
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || { echo "FAILED: the program ended with status $status"; cat "$work/err.log"; exit 1; }

# Without any display the program says so in one line and fails.
DISPLAY= "$program" >"$work/none.out" 2>"$work/none.err"
status=$?
[ "$status" -ne 0 ] || { echo "FAILED: no display but status 0"; exit 1; }
[ "$(wc -l <"$work/none.err")" -eq 1 ] || { echo "FAILED: expected one line"; cat "$work/none.err"; exit 1; }
echo "PASSED"
