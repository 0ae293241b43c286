# Sourced by the end-to-end scripts: starts Xvfb on a display number it picks itself (no race with other
# servers starting meanwhile), exports DISPLAY, and sets xvfb_pid. The server never resets: by default it
# resets whenever its last client leaves, and a program connecting during a reset is refused (the scripts'
# own xdotool calls come and go all the time). Needs $work (a scratch folder). Returns
# non-zero, with the server's log printed, when no server could be started. find_window, window_origin and
# click_client find and click the program's windows. begin_xvfb_run does the set-up every such script shares.

begin_xvfb_run() { # CODE: exits with CODE (77: skipped, for ctest) when Xvfb or xdotool is missing; makes the
    # scratch folder $work and removes it at exit, after ending the server and every process in app_pid
    # and pids; `fail WHAT` then ends the script with everything the programs and the server wrote.
    local tool
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null 2>&1 || {
            [ "$1" = 77 ] && echo "SKIPPED: $tool is not installed" || echo "$tool is not installed (scripts/setup.sh installs it)"
            exit "$1"
        }
    done
    work=$(mktemp -d)
    xvfb_pid=""
    app_pid=""
    pids=()
    trap end_xvfb_run EXIT
}

end_xvfb_run() {
    local pid
    for pid in $app_pid "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}

fail() { # WHAT
    local log
    echo "FAILED: $1"
    for log in "$work"/*.log "$work"/*.out "$work"/*.err; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 40 "$log"; }
    done
    exit 1
}

copy_program_folder() { # EXECUTABLE: the program, its bank and its pictures into $work/app, so that no bank
    # of the user's is touched
    local folder
    folder=$(dirname "$1")
    mkdir "$work/app"
    cp "$1" "$folder/db1.mdb" "$work/app/" || fail "no program folder at $folder"
    [ -d "$folder/img" ] && cp -r "$folder/img" "$work/app/"
    return 0
}
start_xvfb() {
    local attempt
    for attempt in 1 2 3; do
        : >"$work/displayno"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/displayno" >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 100); do
            [ -s "$work/displayno" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$work/displayno" ]; then
            export DISPLAY=":$(tr -dc '0-9' <"$work/displayno")"
            unset WAYLAND_DISPLAY
            xdotool getmouselocation >/dev/null 2>&1 && return 0
        fi
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    echo "FAILED: Xvfb did not start"
    cat "$work/xvfb.log"
    return 1
}

find_window() { # NAME: the id of the visible window of that exact name, waiting up to 30 s (tries x 0.1 s)
    local id
    for _ in $(seq 1 "${tries:-300}"); do
        # xdotool's name patterns do not match Chinese text here: compare the names in the shell.
        for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

window_origin() { # ID: "X Y" of the window on the screen
    xdotool getwindowgeometry "$1" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}'
}

click_client() { # ID X Y: clicks the client point (X, Y) of a skinned window (3-pixel frame, 19-pixel caption)
    local ox oy
    read -r ox oy < <(window_origin "$1")
    xdotool mousemove $((ox + 3 + $2)) $((oy + 3 + 19 + $3)) click 1
}
