#!/usr/bin/env bash
# make-uniform-bank.sh QBANK DIR: a bank whose right answers a script can give without knowing the question:
# every true/false answer is Y, every single and multiple choice answer is A. Chapter 1 holds 35 true/false
# questions, chapter 2 55 single-choice, chapter 3 12 multiple-choice, chapters 4 to 8 two true/false each.
set -eu
qbank="$1"
dir="$2"
mkdir -p "$dir/src"
judge() { for i in $(seq 1 "$2"); do printf 'type: judge\nstem: 第%s章判断题%s\nanswer: Y\n\n' "$1" "$i"; done; }
choice() {
    for i in $(seq 1 "$3"); do
        printf 'type: %s\nstem: 第%s章%s题%s\nA: 甲%s\nB: 乙\nC: 丙\nD: 丁\nanswer: A\n\n' "$2" "$1" "$2" "$i" "$i"
    done
}
judge 1 35 >"$dir/src/ch1.txt"
choice 2 single 55 >"$dir/src/ch2.txt"
choice 3 multi 12 >"$dir/src/ch3.txt"
for c in 4 5 6 7 8; do judge "$c" 2 >"$dir/src/ch$c.txt"; done
rm -f "$dir/db1.mdb"
"$qbank" build "$dir/src" "$dir/db1.mdb" >/dev/null
