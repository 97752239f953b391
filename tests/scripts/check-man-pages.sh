#!/usr/bin/env bash
# The manual pages and the Debian changelog: the pages render without a
# warning, explain every option word of the programs' own --help and show its
# usage lines, and name this version and release date; the build's compressed
# copies are exactly `gzip -9n` of the sources; the changelog reads as this
# version of the source package orbilon.
#   check-man-pages.sh PACKAGING_DIR COMPRESSED_DIR VERSION RELEASE_DATE VIEWER INSTALLER
set -uo pipefail
packaging="$1"
compressed="$2"
version="$3"
release_date="$4"
viewer="$5"
installer="$6"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
    echo "FAIL: $1"
    status=1
}

# The page as a reader sees it: no hyphenation, lines long enough that no
# option is broken, plain characters, and minus signs and hyphens as '-'.
render() {
    groff -man -Tutf8 -rHY=0 -rLL=300n -P-c -P-b -P-u "$1" 2>/dev/null |
        sed -e 's/\xe2\x88\x92/-/g' -e 's/\xe2\x80\x90/-/g'
}

# Words of a text, one a line: runs of letters, digits, '_' and '-'.
words() {
    tr -cs 'A-Za-z0-9_-' '\n' | grep -v '^$'
}

# The lines of a rendered section, indentation dropped.
section() {
    awk -v name="$1" '
        /^[A-Z][A-Z ]*$/ { inside = ($0 == name); next }
        inside && NF { sub(/^ +/, ""); print }'
}

# Checks PAGE against PROGRAM's --help, run under the command's name NAME.
check_page() {
    local page="$packaging/man/$1" name="$2" program="$3"
    if [ ! -f "$page" ]; then
        fail "no page $page"
        return
    fi

    # Both of the formatters' own checks, silent and successful.
    local out
    if ! out="$(man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" || [ -n "$out" ]; then
        fail "man warns about $1: $out"
    fi
    if ! out="$(groff -man -ww -z "$page" 2>&1)" || [ -n "$out" ]; then
        fail "groff warns about $1: $out"
    fi

    # The program's help under the command's own name, with no display.
    local help
    help="$( (
        unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
        exec -a "$name" "$program" --help
    ) 2>&1)" || fail "$name --help failed: $help"
    render "$page" >"$scratch/rendered"
    section OPTIONS <"$scratch/rendered" | words | sort -u >"$scratch/option-words"

    # Every option and argument word of the help is explained under OPTIONS.
    grep -E '^(--?[a-z][a-z-]*|[A-Z]{2,})$' <(words <<<"$help") | sort -u >"$scratch/help-words"
    grep -qxF -- --version "$scratch/help-words" ||
        fail "$name --help names no --version, so its words were not read: $help"
    while IFS= read -r word; do
        grep -qxF -- "$word" "$scratch/option-words" || fail "$1's OPTIONS do not mention $word"
    done <"$scratch/help-words"

    # The synopsis is the help's usage lines.
    awk 'NR == 1 && sub(/^Usage: /, "") { print; next }
         NR > 1 && /^       [^ ]/ { sub(/^ +/, ""); print; next }
         { exit }' <<<"$help" >"$scratch/usage"
    section SYNOPSIS <"$scratch/rendered" >"$scratch/synopsis"
    [ -s "$scratch/usage" ] || fail "$name --help shows no usage line"
    diff -u "$scratch/usage" "$scratch/synopsis" >"$scratch/diff" ||
        fail "$1's synopsis is not the usage of $name --help: $(cat "$scratch/diff")"

    # The title line names this version and release date.
    local title
    title="$(grep -m1 '^\.TH ' "$page")"
    grep -qF "\"Orbilon $version\"" <<<"$title" || fail "$1's .TH does not name Orbilon $version: $title"
    grep -qF " $release_date " <<<"$title" || fail "$1's .TH is not dated $release_date: $title"
}

check_page orbilon.1 orbilon "$viewer"
check_page orbilon-setup.1 orbilon-setup "$installer"

# Each compressed copy is gzip -9n output of its source: deflate, no name,
# no time stamp, maximum compression, byte for byte what gzip makes of it.
check_compressed() {
    local gz="$compressed/$1" source="$2"
    if [ ! -f "$gz" ]; then
        fail "no compressed file $gz"
        return
    fi
    local header
    header="$(head -c 10 "$gz" | od -An -tx1 -v | tr -d ' \n')"
    [ "${header:0:6}" = 1f8b08 ] || fail "$1 is not deflated gzip: $header"
    local flags=$((16#${header:6:2}))
    [ $((flags & 8)) -eq 0 ] || fail "$1 stores a file name (flags $flags)"
    [ "${header:8:8}" = 00000000 ] || fail "$1 stores a time stamp: ${header:8:8}"
    [ "${header:16:2}" = 02 ] || fail "$1 is not compressed at -9 (extra flags ${header:16:2})"
    gzip -dc "$gz" | cmp -s - "$source" || fail "$1 does not hold $source"
    gzip -9n -c "$source" | cmp -s - "$gz" || fail "$1 is not what gzip -9n makes of $source"
}
check_compressed orbilon.1.gz "$packaging/man/orbilon.1"
check_compressed orbilon-setup.1.gz "$packaging/man/orbilon-setup.1"
check_compressed changelog.gz "$packaging/changelog"

# The changelog reads as this release of the source package.
if ! out="$(dpkg-parsechangelog -l "$packaging/changelog" 2>&1 >/dev/null)" || [ -n "$out" ]; then
    fail "dpkg-parsechangelog complains: $out"
fi
source_name="$(dpkg-parsechangelog -l "$packaging/changelog" -S Source 2>/dev/null)"
[ "$source_name" = orbilon ] || fail "the changelog's source is '$source_name', not orbilon"
changelog_version="$(dpkg-parsechangelog -l "$packaging/changelog" -S Version 2>/dev/null)"
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's version is '$changelog_version', not $version"
timestamp="$(dpkg-parsechangelog -l "$packaging/changelog" -S Timestamp 2>/dev/null)"
entry_date="$([ -n "$timestamp" ] && date -u -d "@$timestamp" +%F)"
[ "$entry_date" = "$release_date" ] ||
    fail "the changelog's entry is dated '$entry_date', not $release_date"

[ "$status" -eq 0 ] && echo "both manual pages and the changelog as expected"
exit "$status"
