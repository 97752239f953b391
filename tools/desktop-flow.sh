#!/usr/bin/env bash
# The way a user meets a release, as root on a throwaway Debian 12 machine:
# installs the Debian package; as a user who cannot write to it (nobody,
# with a scratch home), starts Orbilon from its menu entry through GLib's
# launcher as a desktop does and takes a screenshot of the present on its
# travel screen; starts Orbilon Setup from its menu entry, tries the
# package's own installation as the target (refused, screenshot), installs a
# copy into "~/Orbilon Time" (a name with a blank) and starts that copy
# through the menu entry the installation wrote (screenshots); then removes
# the package and checks that none of its files is left.
#   tools/desktop-flow.sh DEB [OUT_DIR]
# Needs xvfb-run, xdotool, ImageMagick, openbox, gio (libglib2.0-bin).
set -euo pipefail

# Runs a command as the user of the flow, in its home.
as_user() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME="$HOME" XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR= "$@"
}

# Waits for a window whose name matches $1 and prints its id.
window() {
    local id=""
    for _ in $(seq 150); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)" || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || {
        echo "no window named '$1' appeared" >&2
        return 1
    }
    echo "$id"
}

session() {
    set -euo pipefail
    pids=()
    trap 'kill "${pids[@]}" 2>/dev/null || true; pkill -u nobody orb.exe || true' EXIT
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1

    # The packaged viewer, from its menu entry, as the desktop starts it.
    local start=$EPOCHREALTIME
    (cd "$HOME" && ORB_REPORT_FIRST_PAINT=1 as_user gio launch \
        /usr/share/applications/org.orbilon.Orbilon.desktop 2>"$out/packaged.err") &
    pids+=($!)
    window '^Orbilon 1\.2$' >/dev/null
    sleep 2
    import -window root "$out/flow-packaged.png"
    local viewer
    viewer="$(pgrep -u nobody -x orb.exe | head -1)"
    echo "the packaged viewer: pid $viewer, user $(ps -o user= -p "$viewer"), in $(readlink "/proc/$viewer/cwd"), window $(awk "BEGIN { printf \"%.1f\", $EPOCHREALTIME - $start }") s after the launch"
    [ "$(readlink "/proc/$viewer/cwd")" = /usr/libexec/orbilon/viewer ]
    as_user test -w /usr/libexec/orbilon/viewer && {
        echo "the user can write to the packaged installation" >&2
        return 1
    }
    kill "$viewer"

    # Orbilon Setup from its menu entry refuses the package's installation.
    local entry=/usr/share/applications/org.orbilon.Orbilon.Setup.desktop
    (cd "$HOME" && as_user gio launch "$entry" 2>"$out/setup.err") &
    pids+=($!)
    local win
    win="$(window 'Upgrade  Setup  Wizard')"
    sleep 1
    xdotool windowfocus --sync "$win"
    xdotool type --delay 20 "/usr/libexec/orbilon/viewer"
    xdotool key Return
    sleep 1
    import -window root "$out/flow-refused.png"
    xdotool key Return
    sleep 1
    xdotool windowfocus --sync "$win"
    xdotool key ctrl+a BackSpace
    xdotool type --delay 20 "~/Orbilon Time"
    xdotool key Return
    sleep 3
    import -window root "$out/flow-installed.png"
    pkill -u nobody -x setup || true

    local copyEntry
    copyEntry="$(ls "$HOME"/.local/share/applications/orbilon-*.desktop)"
    desktop-file-validate "$copyEntry"
    echo "the copy's menu entry, $copyEntry:"
    cat "$copyEntry"
    (cd "$HOME" && as_user gio launch "$copyEntry" 2>"$out/copy.err") &
    pids+=($!)
    window '^Orbilon 1\.2$' >/dev/null
    sleep 2
    import -window root "$out/flow-copy.png"
    viewer="$(pgrep -u nobody -x orb.exe | head -1)"
    echo "the copy's viewer runs in $(readlink "/proc/$viewer/cwd")"
    for log in packaged setup copy; do
        echo "$log said:"
        cat "$out/$log.err"
    done
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
chmod 755 "$HOME"
chown nobody "$HOME"
trap 'apt-get remove -y orbilon >/dev/null 2>&1 || true; rm -rf "$HOME"' EXIT
apt-get install -y "$deb" >/dev/null
owned="$(mktemp)"
dpkg -L orbilon >"$owned"
echo "installed: $(wc -l <"$owned") paths"
# Clients of another user reach the server: it takes anyone's connection.
xvfb-run -a -s "-screen 0 1024x768x24 -ac" "$0" --inside "$out"
apt-get remove -y orbilon >/dev/null
left=0
while IFS= read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        echo "left behind: $path" >&2
        left=$((left + 1))
    fi
done <"$owned"
for dir in /usr/libexec/orbilon /usr/share/doc/orbilon; do
    [ -e "$dir" ] && {
        echo "left behind: $dir" >&2
        left=$((left + 1))
    }
done
rm -f "$owned"
[ "$left" -eq 0 ] || exit 1
echo "installed, used and removed, nothing left behind; screenshots in $out"
