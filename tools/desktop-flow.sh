#!/usr/bin/env bash
# The way a user meets a release, as root on a throwaway Debian 12 machine:
# installs the Debian package, starts the installer through its menu entry,
# installs into "~/Orbilon Time" (a name with a blank), starts the viewer
# through the menu entry the installation wrote, takes a screenshot of each,
# and removes the package again. HOME is a scratch directory.
#   tools/desktop-flow.sh DEB [OUT_DIR]
# Needs xvfb-run, xdotool, ImageMagick and openbox.
set -euo pipefail

session() {
    set -euo pipefail
    pids=()
    trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1

    # A menu starts a program from the home directory with the entry's Exec.
    local entry=/usr/share/applications/org.orbilon.Orbilon.Setup.desktop
    local command
    command="$(sed -n 's/^Exec=//p' "$entry")"
    (cd "$HOME" && exec $command 2>"$out/setup.err") &
    pids+=($!)
    local win
    win="$(xdotool search --sync --name 'Upgrade  Setup  Wizard' | head -1)"
    sleep 1
    xdotool windowfocus --sync "$win"
    xdotool type --delay 20 "~/Orbilon Time"
    xdotool key Return
    sleep 3
    import -window root "$out/flow-installed.png"
    kill "${pids[1]}"

    local viewerEntry
    viewerEntry="$(ls "$HOME"/.local/share/applications/orbilon-*.desktop)"
    desktop-file-validate "$viewerEntry"
    echo "the installation's menu entry, $viewerEntry:"
    cat "$viewerEntry"
    # Exec is quoted by the desktop entry rules, which the shell reads alike
    # for the characters a path of this test holds.
    local viewer place
    viewer="$(sed -n 's/^Exec=//p' "$viewerEntry")"
    place="$(sed -n 's/^Path=//p' "$viewerEntry")"
    (cd "$place" && eval "exec $viewer" 2>"$out/viewer.err") &
    pids+=($!)
    sleep 4
    import -window root "$out/flow-viewer.png"
    kill -0 "${pids[2]}"
    echo "installer said:"
    cat "$out/setup.err"
    echo "viewer said:"
    cat "$out/viewer.err"
}

if [ "${1:-}" = "--inside" ]; then
    out="$2"
    session
    exit 0
fi
deb="$(readlink -f "${1:?usage: tools/desktop-flow.sh DEB [OUT_DIR]}")"
out="$(mkdir -p "${2:-build/screenshots}" && cd "${2:-build/screenshots}" && pwd)"
if dpkg-query -W orbilon >/dev/null 2>&1; then
    echo "orbilon is installed already; this check installs and removes it" >&2
    exit 2
fi
HOME="$(mktemp -d)"
export HOME
trap 'apt-get remove -y orbilon >/dev/null 2>&1 || true; rm -rf "$HOME"' EXIT
apt-get install -y "$deb" >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$out"
apt-get remove -y orbilon >/dev/null
if [ -e /usr/bin/orbilon-setup ] || [ -e /usr/libexec/orbilon ]; then
    echo "files of the package are left behind" >&2
    exit 1
fi
echo "installed, used and removed; screenshots in $out"
