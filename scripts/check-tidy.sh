#!/usr/bin/env bash
# Runs clang-tidy 14 with the checks of .clang-tidy over the project's own
# sources and the project's headers they include; generated files and build
# trees stay out. Prints the findings and fails when there is one.
#   scripts/check-tidy.sh [--shipped] [BUILD_DIR [CLANG_TIDY_OPTION...]]
# Without --shipped it reads every source of the project: the programs, the
# art generators, the tests and the benchmarks (on two cores, about 16
# minutes). With --shipped only what the programs are built from (field/,
# platform/, viewer/, setup/), the part ./test runs (under 2 minutes).
# BUILD_DIR (default build) must be built: its compile_commands.json lists
# the sources, and moc's outputs must exist. The static analyser, left out of
# the routine run for its time, on its own:
#   scripts/check-tidy.sh build -checks='-*,clang-analyzer-*'
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
own="^$root/(art|bench|field|fuzz|platform|setup|tests|viewer)/"
sources="$own"
if [ "${1:-}" = "--shipped" ]; then
    sources="^$root/(field|platform|setup|viewer)/"
    shift
fi
build="$(cd "${1:-$root/build}" && pwd)"
shift || true
[ -f "$build/compile_commands.json" ] || {
    echo "no $build/compile_commands.json: configure and build first" >&2
    exit 2
}
files="$(grep -c -E "\"file\": \"${sources#^}" "$build/compile_commands.json" || true)"

start=$SECONDS
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy-14 -clang-tidy-binary clang-tidy-14 -j2 -p "$build" -quiet \
    -header-filter="$own" "$@" "$sources" >"$log" 2>&1 || status=$?
# Without colours, and without the counts of warnings in system headers.
sed 's/\x1b\[[0-9;]*m//g' "$log" |
    grep -v -E '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Running clang-tidy|^clang-tidy-14 ' || true
echo "clang-tidy: $files files in $((SECONDS - start)) s"
if [ "$status" -ne 0 ]; then
    echo "clang-tidy: fails (findings above)" >&2
fi
exit "$status"
