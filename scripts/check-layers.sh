#!/usr/bin/env bash
# Fails when a source file under src/ includes a layer above its own (lower never includes higher), when the
# window core includes the native controls, or when a display reaches into the core's private headers.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here/src"

status=0

# Prints every project include of the files under $1 as "file:line:path".
includes() {
    grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' "$1" |
        sed -E 's/^([^:]+:[0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1:\2/'
}

# check FOLDER WHY ALLOWED_PREFIX... : every include with a folder in it must start with an allowed prefix.
check() {
    local folder=$1 why=$2
    shift 2
    [ -d "$folder" ] || return 0
    local line file path ok prefix
    while IFS= read -r line; do
        file=${line%:*}
        path=${line##*:}
        [[ $path == */* ]] || continue # same folder
        ok=0
        for prefix in "$@"; do
            [[ $path == "$prefix"* ]] && ok=1 && break
        done
        if [ $ok = 0 ]; then
            echo "src/$file: includes \"$path\" ($why)" >&2
            status=1
        fi
    done < <(includes "$folder")
}

# forbid FOLDER WHY PATTERN [EXCEPT]: no include of FOLDER's files may match the extended regex PATTERN,
# save the one path EXCEPT.
forbid() {
    local folder=$1 why=$2 pattern=$3 except=${4:-}
    [ -d "$folder" ] || return 0
    local line path
    while IFS= read -r line; do
        path=${line##*:}
        if [[ $path =~ $pattern && $path != "$except" ]]; then
            echo "src/${line%:*}: includes \"$path\" ($why)" >&2
            status=1
        fi
    done < <(includes "$folder")
}

# The layers, lowest first (docs: ARCHITECTURE.md). bank stands beside toolkit and skin: it needs only the
# OS services of the platform.
check platform "the platform includes no layer above it" platform/
check toolkit "the toolkit sits on the platform" platform/ toolkit/
check bank "the bank needs only platform/os" platform/os/ bank/
check skin "the skin engine sits on the toolkit and the platform" platform/ toolkit/ skin/
check result "result sits below practice and app" platform/ toolkit/ bank/ skin/ result/
check practice "practice sits below app" platform/ toolkit/ bank/ skin/ result/ practice/
check app "app is the top" platform/ toolkit/ bank/ skin/ result/ practice/ app/

# Inside the platform: os < gdi < core < controls; a display sees the core only through display/Display.h
# and the public headers.
check platform/os "the OS services stand alone" platform/os/ platform/WinTypes.h
forbid platform/gdi "gdi sits below the window core" '^platform/(core|controls|display)/'
forbid platform/core "the core never includes the controls above it" '^platform/controls/'
forbid platform/display "a display uses display/Display.h, not the core's internals" '^platform/core/' \
    platform/core/WinUser.h

# Inside the skin engine: package < data < controls < frame < manager. The frame owns the control skinners
# and reaches the manager only through the link in data/; the skinners reach their frame only through
# controls/SkinnerContext.h.
check skin/package "skin packages need only the OS services" platform/os/ skin/package/
forbid skin/data "skin data sits below the skinners, frames and manager" '^skin/(controls|frame|manager)/'
forbid skin/controls "the skinners sit below the frame and the manager" '^skin/(frame|manager)/'
forbid skin/frame "the frame reaches the manager only through skin/data/SkinManagerLink.h" '^skin/manager/'

# The window manager's state is the core's own; layers above and the tools drive it through the public API.
for folder in toolkit skin bank result practice app ../tools; do
    forbid "$folder" "the window manager's state is private to the core" '^platform/core/WindowManager\.h$'
done

if [ $status != 0 ]; then
    echo "check-layers: a layer includes something it must not (see above)" >&2
fi
exit $status
