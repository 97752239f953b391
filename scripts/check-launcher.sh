#!/usr/bin/env bash
# Starts a launcher on Qt's offscreen platform from another directory and
# checks, for a moment, that it has become the program it starts, running in
# that program's directory with the command line it should have handed on,
# and that the program reported no failure.
#   check-launcher.sh LAUNCHER DIR PROGRAM EXPECTED [ARG...]
# LAUNCHER runs with the ARGs from the directory $CALLER (default /); it must
# become DIR/PROGRAM, in DIR, with the words EXPECTED, each followed by '|'.
set -uo pipefail
launcher="$1"
dir="$(readlink -f "$2")"
program="$3"
expected="$4"
shift 4
caller="${CALLER:-/}"
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
(cd "$caller" && QT_QPA_PLATFORM=offscreen exec "$launcher" "$@") >"$out" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$dir/$program" ] && break
    sleep 0.1
done
# Long enough for the program to look at its files.
sleep 1
failures=0
if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" != "$dir/$program" ]; then
    echo "FAIL: $launcher did not become $dir/$program; it said:"
    cat "$out"
    exit 1
fi
cwd="$(readlink "/proc/$pid/cwd")"
if [ "$cwd" != "$dir" ]; then
    echo "FAIL: $program runs in $cwd, not in $dir"
    failures=$((failures + 1))
fi
args="$(tr '\0' '|' <"/proc/$pid/cmdline")"
if [ "$args" != "$expected" ]; then
    echo "FAIL: $program was started as '$args', not '$expected'"
    failures=$((failures + 1))
fi
# The programs report a failure on standard error under their own names.
if grep -qE '^(setup|orb): ' "$out"; then
    echo "FAIL: $program reported a failure:"
    cat "$out"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || exit 1
echo "$launcher runs $dir/$program in $dir as '$args'"
