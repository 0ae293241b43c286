# Sourced by the end-to-end scripts: starts Xvfb on a display number it picks itself (no race with other
# servers starting meanwhile), exports DISPLAY, and sets xvfb_pid. The server never resets: by default it
# resets whenever its last client leaves, and a program connecting during a reset is refused (the scripts'
# own xdotool calls come and go all the time). Needs $work (a scratch folder). Returns
# non-zero, with the server's log printed, when no server could be started.
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
