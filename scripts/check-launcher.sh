#!/usr/bin/env bash
# Starts the launcher on Qt's offscreen platform and checks, for a moment,
# that it has become the medium's installer running in the medium's directory
# with the arguments it was given, and that the installer reported no failure.
#   check-launcher.sh LAUNCHER MEDIUM_DIR
set -uo pipefail
launcher="$1"
medium="$(readlink -f "$2")"
out="$(mktemp)"
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -f "$out"
}
trap cleanup EXIT

# Started from elsewhere: the launcher must change directory itself.
(cd / && QT_QPA_PLATFORM=offscreen exec "$launcher" -qwindowtitle "Orbilon Setup test") \
    >"$out" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$medium/setup" ] && break
    sleep 0.1
done
# Long enough for the installer to look at its medium.
sleep 1
failures=0
if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" != "$medium/setup" ]; then
    echo "FAIL: $launcher did not become $medium/setup; it said:"
    cat "$out"
    exit 1
fi
cwd="$(readlink "/proc/$pid/cwd")"
if [ "$cwd" != "$medium" ]; then
    echo "FAIL: the installer runs in $cwd, not in the medium $medium"
    failures=$((failures + 1))
fi
args="$(tr '\0' '|' <"/proc/$pid/cmdline")"
if [ "$args" != "./setup|-qwindowtitle|Orbilon Setup test|" ]; then
    echo "FAIL: the installer was started as '$args'"
    failures=$((failures + 1))
fi
# The installer reports a failure to start on standard error.
if grep -q '^setup: ' "$out"; then
    echo "FAIL: the installer failed to start:"
    cat "$out"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || exit 1
echo "$launcher runs $medium/setup in $medium"
