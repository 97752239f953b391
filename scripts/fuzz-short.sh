#!/usr/bin/env bash
# Runs each fuzz target briefly: first over its saved regression inputs, then
# for SECONDS on a fresh copy of its seed corpus in the build directory (the
# repository stays clean). Fails on the first finding and names its input.
#   fuzz-short.sh BUILD_DIR SECONDS TARGET...
# A target named NAME_fuzzer takes its seeds from fuzz/corpus/NAME and its
# regression inputs from fuzz/regressions/NAME.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# The longest input worth trying: a date line of any practical length; a
# paint's fields followed by a whole databank.
max_len() {
    case "$1" in
    event_date_fuzzer) echo 8192 ;;
    browsing_paint_fuzzer) echo 31200 ;;
    databank_check_fuzzer) echo 65536 ;;
    *) echo 4096 ;;
    esac
}

for target in "$@"; do
    name="${target%_fuzzer}"
    program="$build/fuzz/$target"
    run="$build/fuzz-run/$name"
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/findings"
    cp "$root/fuzz/corpus/$name/"* "$run/corpus/"

    regressions=("$root/fuzz/regressions/$name/"*)
    if [ -e "${regressions[0]}" ]; then
        if ! "$program" "${regressions[@]}" >"$run/regressions.log" 2>&1; then
            tail -n 40 "$run/regressions.log"
            echo "$target: a regression input fails again (log: $run/regressions.log)"
            exit 1
        fi
        echo "$target: ${#regressions[@]} regression inputs pass"
    fi

    if ! "$program" -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$run/findings/" "$run/corpus" \
        >"$run/fuzz.log" 2>&1; then
        tail -n 40 "$run/fuzz.log"
        echo "$target: finding saved in $run/findings/ (log: $run/fuzz.log)"
        exit 1
    fi
    echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$run/fuzz.log" | tail -n 1)"
done
