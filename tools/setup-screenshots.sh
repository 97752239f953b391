#!/usr/bin/env bash
# Screenshots of the installer as a user meets it: the wizard, a failed pass
# shown in the window (the directory's parent is missing), the completion
# dialog once the parent exists, and the viewer started from the directory
# the installer wrote.
#   tools/setup-screenshots.sh [MEDIUM_DIR] [OUT_DIR]
# MEDIUM_DIR is the medium the build assembles (default build/medium). Needs
# xvfb-run, xdotool, ImageMagick and openbox: the installer opens maximised,
# which takes a window manager.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

session() {
    set -euo pipefail
    scratch="$(mktemp -d)"
    pids=()
    trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
    target="$scratch/games/orbilon"

    shot() {
        import -window root "$out/$1.png"
    }

    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1

    cd "$medium"
    # The viewer's desktop entry goes to a scratch applications folder, not
    # into the menus of whoever takes the pictures.
    XDG_DATA_HOME="$scratch/share" ./setup 2>"$scratch/setup.err" &
    pids+=($!)
    win="$(xdotool search --sync --name 'Upgrade  Setup  Wizard' | head -1)"
    sleep 1
    xdotool windowfocus --sync "$win"
    xdotool type --delay 20 "$target"
    sleep 0.5
    shot setup-wizard

    # The parent "games" is missing: the pass fails and is tried every second.
    xdotool key Return
    sleep 2.5
    shot setup-failure

    mkdir -p "$scratch/games"
    sleep 2.5
    shot setup-complete

    kill "${pids[@]}" 2>/dev/null || true
    pids=()
    sleep 0.5
    cd "$target"
    ./orb.exe 2>"$scratch/viewer.err" &
    pids+=($!)
    sleep 3
    xdotool mousemove 700 560
    sleep 0.5
    shot setup-installed-viewer
    echo "installer said:"
    cat "$scratch/setup.err"
    echo "the installed viewer said:"
    cat "$scratch/viewer.err"
}

# Run again inside a virtual display.
if [ "${1:-}" = "--inside" ]; then
    medium="$2"
    out="$3"
    session
    exit 0
fi
medium="$(cd "${1:-$root/build/medium}" && pwd)"
out="$(mkdir -p "${2:-$root/build/screenshots}" && cd "${2:-$root/build/screenshots}" && pwd)"
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$medium" "$out"
echo "screenshots in $out"
