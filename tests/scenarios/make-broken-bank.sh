#!/usr/bin/env bash
# make-broken-bank.sh QBANK DIR: the uniform bank (see make-uniform-bank.sh) with a score column of text and
# the fifth question of chapter 1 scored "一分", which no exercise can load. MAKE_BROKEN_BANK names the program
# that writes it (MakeBrokenBank.cpp).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/make-uniform-bank.sh" "$1" "$2"
"${MAKE_BROKEN_BANK:?the path of make_broken_bank}" "$2/src" "$2/db1.mdb"
