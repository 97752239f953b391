#!/usr/bin/env bash
# The programs answer --help and --version, and refuse what they do not
# take, with no display at all: the toolkit is never started for them.
#   command-line-test.sh VERSION PROGRAM...
set -uo pipefail
version="$1"
shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
    echo "FAIL: $1"
    status=1
}

# Runs PROGRAM ARGS... with no display; sets rc, out and err.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$scratch/out" 2>"$scratch/err"
    rc=$?
    out="$(cat "$scratch/out")"
    err="$(cat "$scratch/err")"
}

for program in "$@"; do
    name="$(basename "$program")"

    run "$program" --version
    [ "$rc" -eq 0 ] || fail "$name --version exits $rc: $err"
    [ "$out" = "$name (Orbilon) $version" ] || fail "$name --version prints '$out'"
    [ -z "$err" ] || fail "$name --version writes to stderr: $err"

    run "$program" --help
    [ "$rc" -eq 0 ] || fail "$name --help exits $rc: $err"
    [ "$(head -1 "$scratch/out")" = "Usage: $name [--help | --version]" ] ||
        fail "$name --help begins '$(head -1 "$scratch/out")'"
    grep -q -- '--version' "$scratch/out" || fail "$name --help does not name --version"
    [ -z "$err" ] || fail "$name --help writes to stderr: $err"

    run "$program" -platform offscreen --help
    [ "$rc" -eq 0 ] && [ -n "$out" ] || fail "$name -platform offscreen --help exits $rc"

    run "$program" --no-such-option
    [ "$rc" -eq 2 ] || fail "$name --no-such-option exits $rc"
    [ -z "$out" ] || fail "$name --no-such-option writes to stdout: $out"
    [ "$err" = "$name: unknown option '--no-such-option'
Try '$name --help' for more information." ] || fail "$name --no-such-option says '$err'"

    run "$program" /some/where
    [ "$rc" -eq 2 ] || fail "$name /some/where exits $rc"
done
[ "$status" -eq 0 ] && echo "command lines answered: $*"
exit "$status"
