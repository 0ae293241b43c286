#!/usr/bin/env bash
# make-varied-bank.sh QBANK DIR: the uniform bank (see make-uniform-bank.sh) with other right answers for
# choices: every single-choice answer is B except the first question of chapter 2, whose answer is C, and every
# multiple-choice answer is ACD. True/false answers stay Y. Two rows hold option text the program must
# cope with: the second true/false question of chapter 1 has four stored entries, which it ignores, and the
# third single-choice question of chapter 2 has two entries followed by a final "|".
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/make-uniform-bank.sh" "$1" "$2"
sed -i 's/^answer: A$/answer: B/' "$2/src/ch2.txt"
sed -i '/^stem: 第2章single题1$/,/^answer:/ s/^answer: B$/answer: C/' "$2/src/ch2.txt"
sed -i 's/^answer: A$/answer: ACD/' "$2/src/ch3.txt"
sed -i '/^stem: 第1章判断题2$/a options: 甲|乙|丙|丁' "$2/src/ch1.txt"
sed -i '/^stem: 第2章single题3$/,/^answer:/ { /^[A-D]: /d; /^stem:/a options: 甲3|乙|
}' "$2/src/ch2.txt"
rm -f "$2/db1.mdb"
"$1" build "$2/src" "$2/db1.mdb" >/dev/null
