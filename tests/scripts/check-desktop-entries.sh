#!/usr/bin/env bash
# Every desktop entry under the given directories passes desktop-file-validate,
# and there is at least one.
#   check-desktop-entries.sh DIR...
set -uo pipefail
count=0
failures=0
while IFS= read -r -d '' entry; do
    count=$((count + 1))
    # The validator reports hints too; only errors and warnings count.
    out="$(desktop-file-validate "$entry" 2>&1)"
    status=$?
    if [ $status -ne 0 ] || grep -qE ': (error|warning): ' <<<"$out"; then
        echo "FAIL: $entry"
        echo "$out"
        failures=$((failures + 1))
    fi
done < <(find "$@" -name '*.desktop' -type f -print0)
if [ "$count" -eq 0 ]; then
    echo "FAIL: no desktop entry found in $*"
    exit 1
fi
[ "$failures" -eq 0 ] || exit 1
echo "$count desktop entries valid"
