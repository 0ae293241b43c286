#!/usr/bin/env bash
# The X server goes away under two copies of the real program: the first with its main window open, the
# second showing "程序已经运行". Every copy must end within a few seconds, say why on stderr, and leave the
# bank byte for byte as it was; before that, neither copy may have the GL stack loaded. Runs on a copy of
# the program folder. Exit 77 (skipped) without Xvfb or xdotool.
set -u
program="$1"
source "$(dirname "$0")/../support/start-xvfb.sh"
begin_xvfb_run 77
copy_program_folder "$program"
start_xvfb || exit 1
export XDG_RUNTIME_DIR="$work"

"$work/app/taxitrainer" >"$work/first.log" 2>"$work/first.err" &
pids+=($!)
find_window "【岚途学堂】出租车从业资格证考试题练习系统 1.0" >/dev/null || fail "no main window"
"$work/app/taxitrainer" >"$work/second.log" 2>"$work/second.err" &
pids+=($!)
find_window "提示" >/dev/null || fail "the second copy said nothing"
cp "$work/app/db1.mdb" "$work/before.mdb"
sleep 1
# Windows are presented from memory: no OpenGL driver belongs in the process.
for pid in "${pids[@]}"; do
    gl=$(grep -oE '/[^ ]*(libGL|libEGL|libLLVM|_dri)[^ /]*\.so[^ ]*' "/proc/$pid/maps" | sort -u)
    [ -z "$gl" ] || fail "the GL stack is loaded: $gl"
done

kill -KILL "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=""
for _ in $(seq 1 50); do
    alive=0
    for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ "$alive" = 0 ] && break
    sleep 0.1
done
for pid in "${pids[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then
        ps -o pid,stat,pcpu,wchan:20,cmd -p "$pid" >>"$work/ps.log"
        fail "a copy (pid $pid) still runs 5 s after its display went away"
    fi
done
for copy in first second; do
    grep -q "connection to the X display was lost" "$work/$copy.err" || fail "the $copy copy did not say why it ended"
done
for pid in "${pids[@]}"; do
    wait "$pid"
    code=$?
    [ "$code" -eq 1 ] || fail "a copy ended with status $code"
done
pids=()
cmp -s "$work/before.mdb" "$work/app/db1.mdb" || fail "the bank changed"
echo "PASSED"
