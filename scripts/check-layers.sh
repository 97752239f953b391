#!/usr/bin/env bash
# Checks the include rules between the layers; prints every breach and fails
# when there is one.
#   check-layers.sh [SOURCE_ROOT]
# - the drawing code (viewer/display) includes no Qt, no shell and no Qt
#   backend header;
# - the platform's public headers (platform/include) include no Qt;
# - the installer (setup) takes nothing from the viewer but the install-path
#   field's shared definitions;
# - includes of the project's own headers name their folder.
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

while IFS= read -r entry; do
    [ -n "$entry" ] || continue
    where="${entry%:*}"
    header="${entry##*:}"
    if is_qt "$header"; then
        breach "$where" "the drawing code includes Qt ($header)"
    fi
    case "$header" in
    '"shell/'*) breach "$where" "the drawing code includes the shell ($header)" ;;
    '"platform/qt/'*) breach "$where" "the drawing code includes the Qt backend ($header)" ;;
    esac
done < <(includes viewer/display)

while IFS= read -r entry; do
    [ -n "$entry" ] || continue
    where="${entry%:*}"
    header="${entry##*:}"
    if is_qt "$header"; then
        breach "$where" "a platform header includes Qt ($header)"
    fi
done < <(includes platform/include)

while IFS= read -r entry; do
    [ -n "$entry" ] || continue
    where="${entry%:*}"
    header="${entry##*:}"
    case "$header" in
    '"field/InstallPathField.h"' | '"setup/'* | '"platform/'*) ;;
    '"'*) breach "$where" "the installer includes $header; from the viewer only \"field/InstallPathField.h\"" ;;
    esac
done < <(includes setup)

for dir in viewer setup platform tests bench art; do
    while IFS= read -r entry; do
        [ -n "$entry" ] || continue
        where="${entry%:*}"
        header="${entry##*:}"
        case "$header" in
        '"'*/*'"') ;;
        '"'*) breach "$where" "include without its folder ($header)" ;;
        esac
        case "$header" in
        '"../'* | '"./'*) breach "$where" "relative include ($header)" ;;
        esac
    done < <(includes "$dir")
done

[ "$status" -eq 0 ] && echo "layer rules hold"
exit "$status"
