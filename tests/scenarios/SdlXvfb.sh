#!/usr/bin/env bash
# The real program on the SDL2 display under Xvfb: the main window appears by its title, "顺序练习" clicked
# with xdotool opens the practice window "试题练习", a second instance started meanwhile says "程序已经运行"
# and ends, and closing both windows ends the program. Exit 77 (skipped) without Xvfb or xdotool.
set -u
program="$1"
source "$(dirname "$0")/../support/start-xvfb.sh"
begin_xvfb_run 77
start_xvfb || exit 1
export XDG_RUNTIME_DIR="$work"

"$program" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
main=$(find_window "【岚途学堂】出租车从业资格证考试题练习系统 1.0") || fail "no main window"
sleep 1
# "顺序练习": client (17, 77), 73 x 57, under a 3-pixel frame and a 19-pixel caption.
read -r x y < <(window_origin "$main")
# The buttons are enabled once the bank is open; a busy machine may need a second click.
practice=""
for _ in 1 2 3 4 5; do
    xdotool mousemove $((x + 3 + 17 + 36)) $((y + 3 + 19 + 77 + 28)) click 1
    practice=$(tries=30 find_window "试题练习") && break
done
[ -n "$practice" ] || fail "the practice window did not open"

# A second instance: its message, then its end.
"$program" >"$work/second.out" 2>"$work/second.err" &
second_pid=$!
box=$(find_window "提示") || { kill "$second_pid"; fail "the second instance said nothing"; }
sleep 0.5
xdotool key --window "$box" Return 2>/dev/null
for _ in $(seq 1 50); do kill -0 "$second_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$second_pid" 2>/dev/null; then kill "$second_pid"; fail "the second instance did not end"; fi

# Close both windows with their close buttons (16 x 14, 2 pixels from the caption's right end).
for id in "$practice" "$main"; do
    read -r x y < <(window_origin "$id")
    w=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
    echo "closing $id at $x $y width $w" >>"$work/steps.log"
    xdotool mousemove $((x + w - 3 - 2 - 8)) $((y + 3 + 2 + 7)) click 1
    sleep 1
done
for _ in $(seq 1 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then fail "closing the windows did not end the program"; fi
wait "$app_pid"
app_pid=""
echo "PASSED"
