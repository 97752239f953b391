#!/usr/bin/env bash
# The installed tree serves a user who cannot write to it: installed into a
# scratch prefix, made read-only (and, when the test runs as root, used as
# the user nobody, for whom the root-owned tree is read-only), the viewer is
# started through the orbilon command from another directory with a databank
# named there, paints its travel screen, travels for a while, and leaves
# every file and directory of the installation as it was.
#   read-only-installation-test.sh BUILD_DIR
set -uo pipefail
build="$1"
work="$(mktemp -d)"
viewer_pid=""
cleanup() {
    [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

prefix="$work/prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
chmod 755 "$work"
mkdir -p "$work/home" "$work/caller"
printf '20 JUL 1969 AD\nApollo 11 lands on the Moon\n' >"$work/caller/mine.dat"
chmod -R a-w "$prefix"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$work/home" "$work/caller"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# The test means nothing if the user could write there after all.
viewer_dir="$(dirname "$(find "$prefix" -name orb.exe -path '*/viewer/*')")"
if "${run_as[@]}" test -w "$viewer_dir"; then
    echo "FAIL: the user of this test can write to $viewer_dir"
    exit 1
fi

snapshot() {
    (cd "$prefix" && find . -printf '%y %m %s %T@ %p\n' | sort &&
        find . -type f -exec md5sum {} + | sort)
}
snapshot >"$work/before"

(cd "$work/caller" && exec env HOME="$work/home" XDG_RUNTIME_DIR= QT_QPA_PLATFORM=offscreen \
    ORB_REPORT_FIRST_PAINT=1 "${run_as[@]}" "$prefix/bin/orbilon" mine.dat) \
    >"$work/out" 2>"$work/err" &
viewer_pid=$!
# A sanitizer build on a busy machine takes a while.
for _ in $(seq 300); do
    grep -q '^orb: first paint' "$work/err" && break
    sleep 0.1
done
grep -q '^orb: first paint' "$work/err" || fail "the viewer painted no travel screen"
# A few seconds of travel and of the clock's ticks.
sleep 3
kill -0 "$viewer_pid" 2>/dev/null || fail "the viewer ended by itself"
[ "$(readlink "/proc/$viewer_pid/cwd")" = "$viewer_dir" ] ||
    fail "the viewer ran in $(readlink "/proc/$viewer_pid/cwd"), not in $viewer_dir"
kill "$viewer_pid" 2>/dev/null
wait "$viewer_pid" 2>/dev/null
viewer_pid=""
# Only the report of the first paint; any failure the viewer reports is a line
# of its own under its name.
if grep '^orb: ' "$work/err" | grep -v '^orb: first paint' | grep -q .; then
    fail "the viewer reported a failure: $(grep '^orb: ' "$work/err")"
fi

snapshot >"$work/after"
diff -u "$work/before" "$work/after" || fail "the installation changed while the viewer ran (above)"

if [ "$failures" -ne 0 ]; then
    echo "standard error said:"
    cat "$work/err"
    echo "$failures check(s) failed"
    exit 1
fi
echo "the viewer ran from a read-only installation as $("${run_as[@]}" id -un) and left it as it was"
