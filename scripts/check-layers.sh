#!/usr/bin/env bash
# Checks the include rules between the layers; prints every breach and fails
# when there is one.
#   check-layers.sh [SOURCE_ROOT]
# - the drawing code (viewer/display) includes no Qt, no shell and no Qt
#   backend header;
# - the platform's public headers (platform/include) include no Qt;
# - the drawing code's tests and the fuzzers (tests/display, tests/fakes,
#   fuzz) include no Qt and no Qt backend header either;
# - the orbilon command (viewer/launcher) includes no Qt, no shell and no Qt
#   backend header;
# - the install-path field (field), shared by the viewer and the installer,
#   includes nothing of either and no Qt;
# - the installer (setup) takes nothing from the viewer; the field it may
#   include;
# - includes of the project's own headers name their folder;
# - the Qt backend (platform/qt) implements only its own headers: each source
#   starts with the header of its own name under platform/qt, and none bears
#   the name of a header of platform/include, whose sources are toolkit-free.
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root" || exit 2

status=0
breach() {
    echo "layer rule broken: $1: $2"
    status=1
}

# Lines "file:line:header" of every #include in the C++ files under $1.
includes() {
    [ -d "$1" ] || return 0
    find "$1" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
        xargs -0 -r grep -Hn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' |
        sed -E 's/^([^:]+:[0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^>"]*[>"]).*/\1:\2/'
}

is_qt() {
    [[ "$1" =~ ^\<Q[A-Za-z0-9_]*(/.*)?\>$ ]]
}

# One include of `file` (at `where`) against the rules of the file's layer.
check() {
    local where="$1" header="$2"
    local file="${where%%:*}"
    case "$header" in
    '"../'* | '"./'*) breach "$where" "relative include ($header)" ;;
    '"'*/*'"') ;;
    '"'*) breach "$where" "include without its folder ($header)" ;;
    esac
    case "$file" in
    viewer/display/* | viewer/launcher/*)
        local what="the drawing code"
        [[ "$file" == viewer/launcher/* ]] && what="the orbilon command"
        is_qt "$header" && breach "$where" "$what includes Qt ($header)"
        case "$header" in
        '"shell/'*) breach "$where" "$what includes the shell ($header)" ;;
        '"platform/qt/'*) breach "$where" "$what includes the Qt backend ($header)" ;;
        esac
        ;;
    tests/display/* | tests/fakes/* | fuzz/*)
        is_qt "$header" && breach "$where" "the drawing code's tests include Qt ($header)"
        case "$header" in
        '"platform/qt/'*) breach "$where" "the drawing code's tests include the Qt backend ($header)" ;;
        esac
        ;;
    platform/include/*)
        is_qt "$header" && breach "$where" "a platform header includes Qt ($header)"
        ;;
    field/*)
        is_qt "$header" && breach "$where" "the install-path field includes Qt ($header)"
        case "$header" in
        '"field/'*) ;;
        '"'*) breach "$where" "the install-path field includes $header; it stands on its own" ;;
        esac
        ;;
    setup/*)
        case "$header" in
        '"field/'* | '"setup/'* | '"platform/'*) ;;
        '"'*) breach "$where" "the installer includes $header; it takes nothing from the viewer" ;;
        esac
        ;;
    esac
    return 0
}

while IFS= read -r entry; do
    [ -n "$entry" ] || continue
    check "${entry%:*}" "${entry##*:}"
done < <(for dir in art bench field fuzz platform setup tests viewer; do includes "$dir"; done)

# The Qt backend's sources against the platform's public headers.
while IFS= read -r source; do
    [ -n "$source" ] || continue
    stem="$(basename "$source" .cpp)"
    if [ -e "platform/include/platform/$stem.h" ]; then
        breach "$source" "the Qt backend implements platform/include/platform/$stem.h"
    fi
    first="$(grep -m 1 -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$source" |
        sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^>"]*[>"]).*/\1/')"
    case "$first" in
    "\"platform/qt/$stem.h\"" | "\"qt/$stem.h\"") ;;
    *) breach "$source" "a Qt backend source starts with its own header under platform/qt, not ${first:-nothing}" ;;
    esac
done < <([ -d platform/qt ] && find platform/qt -type f -name '*.cpp' | sort)

[ "$status" -eq 0 ] && echo "layer rules hold"
exit "$status"
