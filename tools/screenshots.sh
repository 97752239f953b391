#!/usr/bin/env bash
# Screenshots of the viewer as a user sees it, for the README and for review:
# the present, a date BC, a year far out, night, a warp frame, the Autopilot
# dialog, the browsing screen, the clock switched off, the present again after
# Home, and the keys' help.
#   tools/screenshots.sh [INSTALL_DIR] [OUT_DIR]
# INSTALL_DIR is a staged installation (default build/install). Needs xvfb-run,
# xdotool and ImageMagick. The window stands at the origin, its view under a
# menu bar about 20 pixels high.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

session() {
    set -euo pipefail
    cd "$install"
    ./orb.exe 2>/dev/null &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    sleep 3

    shot() {  # the viewer's window only
        import -window root -crop 800x580+0+0 +repage "$out/$1.png"
    }
    # The Autopilot dialog opens over the view; its controls stand at fixed
    # places inside it.
    dialog_click() {
        local win x y
        win="$(xdotool search --sync --name AUTOPILOT | head -1)"
        eval "$(xdotool getwindowgeometry --shell "$win")"
        xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    }
    type_into() {  # x y text: replaces an edit's text
        dialog_click "$1" "$2"
        xdotool key ctrl+a
        xdotool type --delay 20 "$3"
    }
    # destination DAY MONTH YEAR ERA HOUR MINUTE [SHOT]
    destination() {
        xdotool mousemove 180 510 click 1
        sleep 1
        type_into 68 87 "$1"
        type_into 244 87 "$3"
        xdotool key Tab
        xdotool type --delay 300 "${4:0:1}"  # the era list by its first letter
        xdotool key shift+Tab shift+Tab
        xdotool type --delay 30 "$2"         # the month list by its name
        type_into 90 165 "$5"
        type_into 123 165 "$6"
        if [ $# -ge 7 ]; then
            sleep 0.5
            shot "$7"
        fi
        dialog_click 255 221  # OK
        xdotool mousemove 700 560
        sleep 1.5
    }

    xdotool mousemove 700 560
    shot present
    destination 15 MAR 44 BC 14 30 autopilot
    shot bc
    xdotool mousemove 400 250 click 1  # the keys go to the window in focus
    xdotool key c
    sleep 0.5
    shot clock-off
    xdotool key c
    destination 20 JUL 1969 AD 2 56
    shot night
    destination 1 JUN 150 Mya 11 0
    shot far
    xdotool mousemove 45 110
    sleep 2
    shot warp
    xdotool mousemove 700 560
    sleep 0.5
    xdotool mousemove 380 510 click 1
    sleep 1
    shot browsing

    # browse NAME DAY MONTH YEAR ERA [ZOOM_OUT_CLICKS]: the browsing screen
    # at a destination, at a coarser step after that many zoom-out clicks.
    browse() {
        xdotool mousemove 400 250 click 1  # back to travel
        sleep 0.5
        destination "$2" "$3" "$4" "$5" 12 0
        xdotool mousemove 380 510 click 1  # TIMELINE
        sleep 0.5
        xdotool mousemove 540 510 click --repeat 9 --delay 100 1  # zoom in to single years
        for ((i = 0; i < ${6:-0}; i++)); do
            xdotool mousemove 620 510 click 1
            sleep 0.3
        done
        xdotool mousemove 700 560
        sleep 1
        shot "$1"
    }
    browse browse-1969 20 JUL 1969 AD
    browse browse-66mya 1 JAN 66 Mya 6
    browse browse-2084 1 JAN 2084 AD
    browse browse-wrapped 1 JAN 2600 BC
    browse browse-none 1 JAN 1234 AD
    browse browse-2001 11 SEP 2001 AD

    # Home from the browsing screen: the present again, then Help, Keys...
    xdotool key Home
    sleep 1
    shot present-again
    xdotool key alt+h Return
    sleep 1
    import -window "$(xdotool search --sync --name '^Keys$' | head -1)" "$out/keys.png"
    xdotool key Return
}

# Run again inside a virtual display.
if [ "${1:-}" = "--inside" ]; then
    install="$2"
    out="$3"
    session
    exit 0
fi
install="$(cd "${1:-$root/build/install}" && pwd)"
out="$(mkdir -p "${2:-$root/build/screenshots}" && cd "${2:-$root/build/screenshots}" && pwd)"
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$install" "$out"
echo "screenshots in $out"
