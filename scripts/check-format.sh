#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it, and names
# the files: `clang-format -i FILE` mends one.
set -uo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(find art bench field fuzz platform setup tests viewer -type f \
    \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ ${#files[@]} -eq 0 ]; then
    echo "no C++ files found to check"
    exit 1
fi
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
if ! clang-format --dry-run --Werror "${files[@]}" 2>"$report"; then
    grep -o '^[^: ]*\.\(cpp\|h\):' "$report" | sort -u | sed 's/:$//; s/^/not formatted: /'
    exit 1
fi
echo "formatting holds (${#files[@]} files)"
