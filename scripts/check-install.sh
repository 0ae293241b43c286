#!/usr/bin/env bash
# check-install.sh BUILD_DIR: installs the build into a staging folder and checks it as a user's machine would
# see it: the launcher, the desktop entry, the icons, a first and a second run of the installed program with
# its folder read-only (the bank copied for the user once, a wrong-answer flag kept), then the .deb package.
set -euo pipefail
build="${1:-}"
[ -n "$build" ] && [ -f "$build/CMakeCache.txt" ] || { echo "usage: check-install.sh BUILD_DIR (a configured build folder)" >&2; exit 2; }
build=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
# The staged program folder is made read-only below; give write permission back so that it can be removed.
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

stage="$work/stage"
cmake --install "$build" --prefix "$stage" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install failed"; }
program="$stage/lib/taxitrainer"

version=$("$stage/bin/taxitrainer" --version) || fail "bin/taxitrainer --version failed"
[[ "$version" =~ ^taxitrainer\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "bin/taxitrainer --version printed \"$version\""
[ -L "$stage/bin/taxitrainer" ] || fail "bin/taxitrainer is not a link into the program folder"

desktop-file-validate "$stage/share/applications/taxitrainer.desktop" || fail "the desktop entry is not valid"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}
for size in 16 24 32 48 64 128 256; do
    icon="$stage/share/icons/hicolor/${size}x${size}/apps/taxitrainer.png"
    [ -f "$icon" ] || fail "no icon $icon"
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
done

# The installed program folder, read-only. Root writes through permission bits, so there the program is told
# to treat its folder as installed (the test switch TAXI_READ_ONLY_PROGRAM_FOLDER=1); anyone else gets the
# real probe.
chmod -R a-w "$program"
if [ "$(id -u)" = 0 ]; then export TAXI_READ_ONLY_PROGRAM_FOLDER=1; fi
export XDG_DATA_HOME="$work/data"
cp "$program/db1.mdb" "$work/installed.mdb"
"$program/uirun" --dir "$program/" "$here/tests/install/first-run.uirun" || fail "the first run of the installed program"
copy="$XDG_DATA_HOME/taxitrainer/db1.mdb"
[ -f "$copy" ] || fail "the first run left no copy of the bank at $copy"
[ "$(stat -c %a "$XDG_DATA_HOME/taxitrainer")" = 700 ] || fail "$XDG_DATA_HOME/taxitrainer is not private (mode 700)"
cmp -s "$program/db1.mdb" "$work/installed.mdb" || fail "the installed bank was written to"
"$program/uirun" --dir "$program/" "$here/tests/install/second-run.uirun" || fail "the second run lost the flag of the first"
[ "$(find "$program" -newer "$work/installed.mdb" | wc -l)" = 0 ] || fail "something was written into the program folder"

# The package: its file list, and the program run from the unpacked tree.
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
deb=$(ls -t "$build"/taxitrainer_*.deb | head -n 1)
dpkg-deb -c "$deb" >"$work/files"
for f in ./usr/bin/taxitrainer ./usr/bin/qbank ./usr/bin/skinpack ./usr/lib/taxitrainer/taxitrainer \
    ./usr/lib/taxitrainer/db1.mdb ./usr/lib/taxitrainer/img/ ./usr/share/applications/taxitrainer.desktop \
    ./usr/share/icons/hicolor/16x16/apps/taxitrainer.png ./usr/share/icons/hicolor/256x256/apps/taxitrainer.png; do
    grep -q " $f\( \|$\)" "$work/files" || fail "$deb lacks $f"
done
[ -n "$(dpkg-deb -f "$deb" Depends)" ] || fail "$deb depends on nothing"
dpkg-deb -x "$deb" "$work/unpacked"
[ "$("$work/unpacked/usr/bin/taxitrainer" --version)" = "$version" ] || fail "the packaged program does not run"
echo "check-install: $version installs, runs read-only with a private bank, and packages as $(basename "$deb")"
