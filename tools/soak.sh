#!/usr/bin/env bash
# A long run of the viewer under Xvfb, driven by xdotool the way a user would:
# warps forward and back (the pointer held high and low on the lever strip),
# hovering at slow speeds, destinations through the Autopilot dialog, and the
# browsing screen (TIMELINE, the arrows, zoom and the page bars). The
# resident memory (VmRSS) is sampled once a minute into a table.
#   tools/soak.sh [MINUTES] [INSTALL_DIR]
# MINUTES defaults to 30, INSTALL_DIR to build/install (made by
# `cmake --build build --target orb_install_stage`). Needs xvfb-run and
# xdotool.
#
# It fails (exit status 1) when the viewer is no longer running at the end,
# when it wrote anything to standard error beyond the harmless lines below,
# or when its memory grew after the warm-up: the last sample minus the sample
# at minute 5 (at minute 1 for runs under 10 minutes) must stay under 2 MiB.
set -euo pipefail

limit_kib=2048

# What Qt may say on a virtual display without a session around it; none of
# it touches the viewer's work.
harmless=(
    # No session around Xvfb: Qt picks a runtime directory of its own.
    "^QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-[^']*'\$"
    # No sound server or sound card: Qt Multimedia says so once at start and
    # once for each sound; the sounds stay silent, as intended.
    '^PulseAudioService: pa_context_connect\(\) failed$'
    '^No audio device detected$'
)

rss_kib() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true
}

# The window stands at the origin, its view under a menu bar about 20 pixels
# high: view y + 20 is the screen's y.
soak() {
    cd "$install"
    ./orb.exe 2>"$errlog" &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    sleep 3
    local start=$SECONDS minute=0 end=$((SECONDS + minutes * 60)) round=0
    samples=()
    sample() {
        local kib
        kib="$(rss_kib "$pid")"
        samples+=("${kib:-dead}")
        printf '%6d %10s %10s\n' "$minute" "${kib:-dead}" \
            "$([ -n "$kib" ] && awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')"
    }
    printf '%6s %10s %10s\n' minute "VmRSS kB" MiB
    sample
    while ((SECONDS < end)) && kill -0 "$pid" 2>/dev/null; do
        activity $((round++))
        while ((SECONDS >= start + (minute + 1) * 60 && minute < minutes)); do
            minute=$((minute + 1))
            sample
        done
    done
    while ((minute < minutes)); do  # a dead viewer: the missing minutes
        minute=$((minute + 1))
        sample
    done
}

# The Autopilot dialog's controls stand at fixed places inside it.
dialog_click() {
    local win X Y WIDTH HEIGHT SCREEN
    win="$(timeout 10 xdotool search --sync --name AUTOPILOT | head -1)"
    [ -n "$win" ] || { note "the Autopilot dialog did not open"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}
type_into() {
    dialog_click "$1" "$2" || return 1
    xdotool key ctrl+a
    xdotool type --delay 20 "$3"
}
# destination DAY MONTH YEAR ERA HOUR MINUTE, as tools/screenshots.sh sets it
destination() {
    xdotool mousemove 180 510 click 1  # SET DESTINATION
    sleep 1
    type_into 68 87 "$1" || return 0
    type_into 244 87 "$3"
    xdotool key Tab
    xdotool type --delay 300 "${4:0:1}"
    xdotool key shift+Tab shift+Tab
    xdotool type --delay 30 "$2"
    type_into 90 165 "$5"
    type_into 123 165 "$6"
    dialog_click 255 221  # OK
    xdotool mousemove 700 560
    sleep 1
    if xdotool search --name AUTOPILOT >/dev/null 2>&1; then
        note "the Autopilot dialog stayed open after OK ($*)"
        xdotool key Escape
    fi
}

note() {
    echo "soak: $*" >&2
    problems+=("$*")
}

dates=(
    "15 MAR 44 BC 14 30"
    "20 JUL 1969 AD 2 56"
    "1 JUN 150 Mya 11 0"
    "1 JAN 2084 AD 12 0"
    "31 DEC 9999 AD 23 59"
    "1 JAN 13000 Mya 6 15"
)

# One round of about half a minute, each a little different.
activity() {
    local r="$1"
    case $((r % 4)) in
    0)  # warp forward, then back
        xdotool mousemove 45 100
        sleep 8
        xdotool mousemove 45 470
        sleep 6
        ;;
    1)  # hovering at slow speeds, stopping between
        for y in 215 170 140 335 380 700; do
            xdotool mousemove 45 "$y"
            sleep 2
        done
        ;;
    2)  # a destination
        # shellcheck disable=SC2086
        destination ${dates[$((r / 4 % ${#dates[@]}))]}
        ;;
    3)  # browsing: TIMELINE, zoom, arrows, the page bars, then back to travel
        xdotool mousemove 380 510 click 1
        sleep 0.5
        xdotool mousemove 540 510 click --repeat 4 --delay 200 1  # zoom in
        xdotool mousemove 620 510 click --repeat 2 --delay 200 1  # zoom out
        xdotool mousemove 180 510 click --repeat 3 --delay 200 1  # back
        xdotool mousemove 380 510 click --repeat 2 --delay 200 1  # forward
        xdotool mousemove 788 350 click 1                         # page down
        sleep 0.3
        xdotool mousemove 788 100 click 1                         # page up
        sleep 0.3
        xdotool mousemove 700 560
        sleep 2
        xdotool mousemove 400 250 click 1  # back to travel
        xdotool mousemove 700 560
        sleep 3
        ;;
    esac
    xdotool mousemove 700 560
}

verdict() {
    local status=0 warm n=${#samples[@]} growth unexpected
    ((minutes >= 10)) && warm=5 || warm=1
    if ! kill -0 "$pid" 2>/dev/null; then
        note "the viewer is no longer running"
    fi
    unexpected="$(grep -v -E "$(IFS='|'; echo "${harmless[*]}")" "$errlog" || true)"
    if [ -n "$unexpected" ]; then
        note "standard error holds unexpected lines:"
        echo "$unexpected" >&2
    fi
    if ((n > warm)) && [[ "${samples[$warm]}" =~ ^[0-9]+$ && "${samples[n - 1]}" =~ ^[0-9]+$ ]]; then
        growth=$((samples[n - 1] - samples[warm]))
        echo "growth after warm-up (minute $((n - 1)) minus minute $warm): $growth kB (limit $limit_kib kB)"
        ((growth < limit_kib)) || note "memory grew by $growth kB after minute $warm"
    else
        note "not enough samples to judge growth"
    fi
    if ((${#problems[@]} == 0)); then
        echo "soak: PASS ($minutes minutes)"
    else
        echo "soak: FAIL: ${#problems[@]} problem(s)"
        status=1
    fi
    kill "$pid" 2>/dev/null || true
    return $status
}

# Run again inside a virtual display.
if [ "${1:-}" = "--inside" ]; then
    minutes="$2"
    install="$3"
    errlog="$(mktemp)"
    problems=()
    soak
    verdict && status=0 || status=$?
    rm -f "$errlog"
    exit $status
fi
minutes="${1:-30}"
[[ "$minutes" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [MINUTES] [INSTALL_DIR]" >&2; exit 2; }
install="$(cd "${2:-$(dirname "$0")/../build/install}" && pwd)"
[ -x "$install/orb.exe" ] || { echo "no orb.exe in $install" >&2; exit 2; }
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$minutes" "$install"
