#!/usr/bin/env bash
# make-varied-bank.sh QBANK DIR: the uniform bank (see make-uniform-bank.sh) with other right answers for
# choices: every single-choice answer is B except the first question of chapter 2, whose answer is C, and every
# multiple-choice answer is ACD. True/false answers stay Y.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/make-uniform-bank.sh" "$1" "$2"
sed -i 's/^answer: A$/answer: B/' "$2/src/ch2.txt"
sed -i '/^stem: 第2章single题1$/,/^answer:/ s/^answer: B$/answer: C/' "$2/src/ch2.txt"
sed -i 's/^answer: A$/answer: ACD/' "$2/src/ch3.txt"
rm -f "$2/db1.mdb"
"$1" build "$2/src" "$2/db1.mdb" >/dev/null
