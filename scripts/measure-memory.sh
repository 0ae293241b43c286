#!/usr/bin/env bash
# measure-memory.sh [BUILD_DIR]: the real program's memory on Xvfb over one full mock examination, driven
# with xdotool (open it from the main window, hand in, confirm, close the result), on a copy of the program
# folder so that no bank of the user's is touched. Prints the peak resident size (VmHWM), the resident size
# at the end, and the files mapped into the process with their resident and mapped sizes, biggest first.
# MEASURE_SMAPS=FILE keeps a copy of the process's /proc/PID/smaps at that moment.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" 2>/dev/null && pwd) || { echo "no such build folder: ${1:-}"; exit 1; }
[ -x "$build/taxitrainer" ] && [ -f "$build/db1.mdb" ] || { echo "$build has no taxitrainer and db1.mdb"; exit 1; }
source "$here/tests/support/start-xvfb.sh"
begin_xvfb_run 1
copy_program_folder "$build/taxitrainer"
start_xvfb || exit 1
export XDG_RUNTIME_DIR="$work"

"$work/app/taxitrainer" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
main=$(find_window "【岚途学堂】出租车从业资格证考试题练习系统 1.0") || fail "no main window"
echo "main window open"
# "模拟考试" (BitBtn3: client 16,233, 73 x 57) is enabled once the bank is open.
exam=""
for _ in $(seq 1 10); do
    click_client "$main" 52 261
    exam=$(tries=30 find_window "模拟考试") && break
done
[ -n "$exam" ] || fail "the mock examination did not open"
echo "examination open"
sleep 1
# "交卷" (SpeedButton5 on Panel1: client 592,264, 59 x 33), then OK in the question "您还有…题没做，确定交卷".
box=""
for _ in $(seq 1 5); do
    click_client "$exam" 621 280
    box=$(tries=30 find_window "提示") && break
done
[ -n "$box" ] || fail "handing in asked nothing"
sleep 0.5
xdotool key --window "$box" Return 2>/dev/null
result=$(find_window "考试结果") || fail "no result window"
echo "result shown"
sleep 1
click_client "$result" 136 252 # "确定"
for _ in $(seq 1 50); do
    tries=1 find_window "考试结果" >/dev/null || break
done
tries=1 find_window "考试结果" >/dev/null && fail "the result window did not close"
echo "result closed"
sleep 1

kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"
echo
[ -n "${MEASURE_SMAPS:-}" ] && cp "/proc/$app_pid/smaps" "$MEASURE_SMAPS"
grep -E '^(VmHWM|VmRSS|RssAnon|RssFile|RssShmem)' "/proc/$app_pid/status"
echo
echo "Mapped files, biggest resident first (resident kB, mapped kB, file):"
awk '/^[0-9a-f]+-[0-9a-f]+ / {file = NF >= 6 ? $6 : "[anonymous]"; next}
     /^Size:/ {mapped[file] += $2}
     /^Rss:/ {rss[file] += $2}
     END {for (f in mapped) printf "%8d %8d  %s\n", rss[f], mapped[f], f}' "/proc/$app_pid/smaps" |
    sort -rn | head -n 25
