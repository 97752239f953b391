#!/usr/bin/env bash
# The viewer's window starts with its whole frame on the screen, title bar
# at the top-left corner, under a window manager that honours static gravity
# (openbox on a bare X server), where a window placed by its client area
# alone would have its title bar above the screen.
#   frame-placement-test.sh ORB_STAGE MEDIUM_DIR
set -uo pipefail

if [ "${1:-}" = --inside ]; then
    target="$2"
    openbox >/dev/null 2>&1 &
    wm=$!
    viewer=""
    trap 'kill $viewer $wm 2>/dev/null' EXIT
    for _ in $(seq 100); do  # until openbox manages the screen
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    (cd "$target" && QT_QPA_PLATFORM=xcb exec ./orb.exe >/dev/null 2>&1) &
    viewer=$!
    frame=""
    for _ in $(seq 300); do
        info="$(xwininfo -name 'Orbilon 1.2' 2>/dev/null)"
        extents="$(xprop -name 'Orbilon 1.2' _NET_FRAME_EXTENTS 2>/dev/null)"
        if [[ "$extents" =~ =\ ([0-9]+),\ ([0-9]+),\ ([0-9]+),\ ([0-9]+) ]]; then
            left="${BASH_REMATCH[1]}"
            top="${BASH_REMATCH[3]}"
            x="$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")"
            y="$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")"
            frame="client at $x,$y; frame $left left, $top above"
            if [ "$top" -gt 0 ] && [ "$((x - left))" -eq 0 ] && [ "$((y - top))" -eq 0 ]; then
                echo "frame at the corner: $frame"
                exit 0
            fi
        fi
        sleep 0.1
    done
    echo "FAIL: the window's frame is not at the screen's corner (${frame:-no frame seen})"
    exit 1
fi

stage="$1"
medium="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
if ! "$stage" "$medium" "$scratch/orbilon" >"$scratch/stage.log" 2>&1; then
    cat "$scratch/stage.log"
    echo "FAIL: could not stage an installation"
    exit 1
fi
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$scratch/orbilon"
