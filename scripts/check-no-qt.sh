#!/usr/bin/env bash
# Fails when one of the given programs needs a Qt library: the plain logic
# (files, the install-path field, the databank, the installation) and its
# tests run without the toolkit.
#   check-no-qt.sh PROGRAM...
set -uo pipefail
status=0
for program in "$@"; do
    if ! needed="$(readelf -d "$program" 2>&1)"; then
        echo "cannot read $program: $needed"
        status=1
        continue
    fi
    qt="$(grep 'NEEDED' <<<"$needed" | grep -o 'libQt[0-9A-Za-z]*' | sort -u | tr '\n' ' ')"
    if [ -n "$qt" ]; then
        echo "$program links Qt: $qt"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "no Qt in: $*"
exit "$status"
