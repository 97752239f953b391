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

# The viewer's databank checker, with no display: 0 for a sound file, 1 for
# one with problems (each on a line of its own, with its line number), 2 for
# one that cannot be read.
check_databank() {
    local program
    program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
    printf '20 JUL 1969 AD\nApollo 11 lands on the Moon\n' >"$scratch/good.dat"
    printf '2,500 BC\nPyramids\nSummer\nA picnic\n' >"$scratch/warned.dat"
    printf '1810 AD\nBol\xedvar\n' >"$scratch/latin1.dat"

    run "$program" --check-databank "$scratch/good.dat"
    [ "$rc" -eq 0 ] || fail "a sound databank is checked with exit $rc: $out $err"
    [ "$out" = "$scratch/good.dat: no problems found" ] || fail "a sound databank: '$out'"

    (cd "$scratch" && env -u DISPLAY -u QT_QPA_PLATFORM "$program" --check-databank warned.dat \
        >"$scratch/out" 2>"$scratch/err")
    rc=$?
    [ "$rc" -eq 1 ] || fail "a databank with warnings is checked with exit $rc"
    [ "$(cat "$scratch/out")" = "warned.dat:1: warning: the year reads as 500 BC: a comma or a point ends it
warned.dat:3: warning: the date line gives no year, so its record never shows" ] ||
        fail "a databank with warnings, from its own directory: '$(cat "$scratch/out")'"

    run "$program" --check-databank "$scratch/latin1.dat"
    [ "$rc" -eq 1 ] || fail "a Latin-1 databank is checked with exit $rc"
    [ "$out" = "$scratch/latin1.dat:2: error: not UTF-8 text (byte 237)" ] ||
        fail "a Latin-1 databank: '$out'"

    for unreadable in "$scratch/missing.dat" "$scratch"; do
        run "$program" --check-databank "$unreadable"
        [ "$rc" -eq 2 ] || fail "--check-databank $unreadable exits $rc"
        [ -z "$out" ] && [ -n "$err" ] || fail "--check-databank $unreadable says '$out' '$err'"
    done
}

for program in "$@"; do
    name="$(basename "$program")"

    run "$program" --version
    [ "$rc" -eq 0 ] || fail "$name --version exits $rc: $err"
    [ "$out" = "$name (Orbilon) $version" ] || fail "$name --version prints '$out'"
    [ -z "$err" ] || fail "$name --version writes to stderr: $err"

    run "$program" --help
    [ "$rc" -eq 0 ] || fail "$name --help exits $rc: $err"
    [[ "$(head -1 "$scratch/out")" == "Usage: $name [--help | --version]"* ]] ||
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

    if [ "$name" = orb ] || [ "$name" = orbilon ]; then
        # One databank may be named; two are refused before any display.
        run "$program" /some/where /and/more
        [ "$rc" -eq 2 ] || fail "$name with two files exits $rc"
        check_databank "$program"
    else
        run "$program" /some/where
        [ "$rc" -eq 2 ] || fail "$name /some/where exits $rc"
    fi
done
[ "$status" -eq 0 ] && echo "command lines answered: $*"
exit "$status"
