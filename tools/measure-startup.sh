#!/usr/bin/env bash
# Start-up time and memory of the viewer: the time from the start of the
# program to its first complete travel-screen paint, and its resident memory
# (VmRSS) one minute after the start; each run a new process, the median of
# the runs at the end.
#   tools/measure-startup.sh [INSTALL_DIR] [RUNS] [RSS_AFTER_SECONDS]
# INSTALL_DIR is a staged installation (default build/install, made by
# `cmake --build build --target orb_install_stage`); RUNS defaults to 5,
# RSS_AFTER_SECONDS to 60. Needs xvfb-run and xdotool.
#
# The viewer tells the time itself: with ORB_REPORT_FIRST_PAINT holding a
# start time it prints "orb: first paint N ms after the start (given)" on
# standard error once that paint is handed to the display. The start time is
# bash's $EPOCHREALTIME read in the subshell that then execs the viewer, so it
# is exact to microseconds (the kernel's own start time counts whole 10 ms
# ticks only).
set -euo pipefail

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

one_run() {
    local n="$1" err pid line ms rss waited
    err="$(mktemp)"
    (
        cd "$install"
        ORB_REPORT_FIRST_PAINT="$EPOCHREALTIME" exec ./orb.exe
    ) 2>"$err" &
    pid=$!
    waited=0
    until line="$(grep -m1 '^orb: first paint ' "$err")"; do
        if ! kill -0 "$pid" 2>/dev/null || ((waited >= 600)); then
            echo "run $n: no first paint reported; standard error:" >&2
            cat "$err" >&2
            kill "$pid" 2>/dev/null || true
            exit 1
        fi
        sleep 0.05
        waited=$((waited + 1))
    done
    ms="$(sed -E 's/^orb: first paint ([0-9.]+) ms.*/\1/' <<<"$line")"
    sleep "$rss_after"  # counted from the paint; the paint comes well within a second
    rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$err"
    printf '%4d %16s %12.1f\n' "$n" "$ms" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')"
    echo "$ms $rss" >>"$results"
}

run() {
    results="$(mktemp)"
    trap 'rm -f "$results"' EXIT
    xdotool mousemove 700 560  # off the lever: the viewer stands still
    printf '%4s %16s %12s\n' run "first paint ms" "VmRSS MiB"
    for ((n = 1; n <= runs; n++)); do
        one_run "$n"
        sleep 1
    done
    local ms rss
    ms="$(awk '{ print $1 }' "$results" | median)"
    rss="$(awk '{ print $2 }' "$results" | median)"
    printf 'median of %d runs: first paint %s ms, VmRSS %.1f MiB after %d s\n' \
        "$runs" "$ms" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" "$rss_after"
}

# Run again inside a virtual display.
if [ "${1:-}" = "--inside" ]; then
    install="$2"
    runs="$3"
    rss_after="$4"
    run
    exit 0
fi
install="$(cd "${1:-$(dirname "$0")/../build/install}" && pwd)"
[ -x "$install/orb.exe" ] || { echo "no orb.exe in $install" >&2; exit 2; }
export LC_ALL=C  # the shell's $EPOCHREALTIME and printf in the C locale
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$install" "${2:-5}" "${3:-60}"
