#!/usr/bin/env bash
# How much of one core the viewer and the X server use: standing on the
# travel screen, and in a warp (the pointer resting near the top of the
# speed lever). What the viewer hands to the display costs the X server too.
#   tools/measure-cpu.sh [INSTALL_DIR] [SECONDS]
# INSTALL_DIR is a staged installation (default build/install, made by
# `cmake --build build --target orb_install_stage`). Needs xvfb-run and xdotool.
set -euo pipefail
hz="$(getconf CLK_TCK)"

# utime + stime of a process, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

measure() {
    local pid="$1" label="$2"
    local before after xbefore xafter
    before="$(cpu_ticks "$pid")"
    xbefore="$(cpu_ticks "$xserver")"
    sleep "$seconds"
    after="$(cpu_ticks "$pid")"
    xafter="$(cpu_ticks "$xserver")"
    awk -v d="$((after - before))" -v x="$((xafter - xbefore))" -v hz="$hz" -v s="$seconds" \
        -v l="$label" 'BEGIN {
            printf "%s: viewer %.2f %%, X server %.2f %% of a core over %d s\n",
                l, 100 * d / hz / s, 100 * x / hz / s, s }'
}

# The X server of this display: the Xvfb that xvfb-run started for us.
find_xserver() {
    local display="${DISPLAY#:}"
    xserver="$(pgrep -f "^Xvfb :${display%%.*} " | head -1)"
    [ -n "$xserver" ] || { echo "no Xvfb for display $DISPLAY" >&2; exit 1; }
}

run() {
    find_xserver
    cd "$install"
    ./orb.exe &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    sleep 3  # start-up and the first paints
    xdotool mousemove 700 500  # away from the lever
    measure "$pid" "travel screen, standing"
    # The window stands at the origin under a menu bar about 20 pixels high:
    # this is the lever's forward half near its top, far into the warp.
    xdotool mousemove 45 100
    sleep 1
    measure "$pid" "warp"
    xdotool mousemove 700 500
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# Run again inside a virtual display.
if [ "${1:-}" = "--inside" ]; then
    install="$2"
    seconds="$3"
    run
    exit 0
fi
install="$(cd "${1:-$(dirname "$0")/../build/install}" && pwd)"
seconds="${2:-30}"
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$install" "$seconds"
