#!/usr/bin/env bash
# Builds the Debian package from a build directory with cpack and checks it:
# its fields and dependencies, that it holds exactly the tree
# `cmake --install` makes under /usr, with the modes a package wants, that its
# viewer names its final place and no file the staging directory, and that
# lintian finds no error and no warning.
#   scripts/check-deb.sh [--install] [--keep DIR] BUILD_DIR
# --install (as root) also installs the package with apt-get, checks that
# orbilon starts the ready viewer and orbilon-setup the installer from the
# installed medium, removes the package and checks that none of its files is
# left. An orbilon package
# already installed is left alone: the check refuses to run.
# --keep DIR leaves the package in DIR.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
install=0
keep=""
while [ $# -gt 1 ]; do
    case "$1" in
    --install) install=1 ;;
    --keep)
        keep="$2"
        shift
        ;;
    *) break ;;
    esac
    shift
done
build="$(readlink -f "${1:?usage: check-deb.sh [--install] [--keep DIR] BUILD_DIR}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
medium_sub="$(sed -n 's/^ORB_INSTALL_MEDIUMDIR:STRING=//p' "$build/CMakeCache.txt")"
viewer_sub="$(sed -n 's/^ORB_INSTALL_VIEWERDIR:STRING=//p' "$build/CMakeCache.txt")"
arch="$(dpkg --print-architecture)"
deb="$work/orbilon_${version}_${arch}.deb"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    [ ! -f "$deb" ]; then
    cat "$work/cpack.log"
    echo "FAIL: cpack made no $(basename "$deb")"
    exit 1
fi
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

# The fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orbilon ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
for name in Maintainer Section Homepage Description; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done
depends="$(field Depends)"
echo "Depends: $depends"
# The Qt libraries the programs link, found by dpkg-shlibdeps; the fonts,
# named by hand.
names="$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
    fonts-liberation2; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package"
done

# The contents: what cmake --install puts under /usr, owned by root, with
# the same modes; each file 0755 or 0644, nothing under /usr/local.
DESTDIR="$work/tree" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "cmake --install into a scratch tree failed"
(cd "$work/tree" && find . ! -type d ! -type l -printf '%M %p\n' &&
    find . -type l -printf '%M %p -> %l\n') | sort >"$work/want"
dpkg-deb -c "$deb" >"$work/listing"
# Mode, owner, size, date, time, path (which may hold blanks).
sed -E 's/^(\S+)\s+(\S+)\s+\S+\s+\S+\s+\S+\s(.*)$/\1 \2 \3/' "$work/listing" >"$work/entries"
grep -v '^d' "$work/entries" | cut -d' ' -f1,3- | sort >"$work/have"
if ! diff -u "$work/want" "$work/have" >"$work/diff"; then
    fail "the package's files differ from the installed tree:"
    cat "$work/diff"
fi
grep -v '^\S* root/root ' "$work/entries" && fail "entries not owned by root (above)"
grep -vE '^(-rwxr-xr-x|-rw-r--r--|drwxr-xr-x|lrwxrwxrwx) ' "$work/entries" &&
    fail "entries with modes other than 0755 and 0644 (above)"
cut -d' ' -f3- "$work/entries" | grep -vE '^\./(usr/.*)?$' && fail "entries outside /usr (above)"
grep ' \./usr/local/' "$work/entries" && fail "entries under /usr/local (above)"
# The programs and a few files that must be there, whatever the tree holds.
for entry in "-rwxr-xr-x usr/bin/orbilon-setup" "-rwxr-xr-x usr/$medium_sub/setup" \
    "-rw-r--r-- usr/$medium_sub/orb.ex_" "-rwxr-xr-x usr/bin/orbilon" \
    "-rwxr-xr-x usr/$viewer_sub/orb.exe" "-rw-r--r-- usr/$viewer_sub/data/EVENTS.dat" \
    "-rw-r--r-- usr/share/applications/org.orbilon.Orbilon.desktop" \
    "-rw-r--r-- usr/share/applications/org.orbilon.Orbilon.Setup.desktop" \
    "-rw-r--r-- usr/share/metainfo/org.orbilon.Orbilon.metainfo.xml" \
    "-rw-r--r-- usr/share/doc/orbilon/copyright" \
    "-rw-r--r-- usr/share/doc/orbilon/changelog.gz" \
    "-rw-r--r-- usr/share/man/man1/orbilon.1.gz" \
    "-rw-r--r-- usr/share/icons/hicolor/48x48/apps/orbilon-setup.png"; do
    grep -qxF -e "${entry%% *} ./${entry#* }" "$work/have" || fail "the package lacks $entry"
done
echo "$(wc -l <"$work/have") files in the package"

# The viewer runs from /usr and finds its files there; nothing in the package
# keeps the staging directory cpack installed it into.
dpkg-deb -x "$deb" "$work/unpacked"
grep -qaF "/usr/$viewer_sub" "$work/unpacked/usr/$viewer_sub/orb.exe" ||
    fail "the packaged viewer does not name /usr/$viewer_sub"
staged="$(grep -rlaF "$work" "$work/unpacked")"
[ -z "$staged" ] || fail "files of the package name the staging directory: $staged"

# Debian's own checks of a package: no error and no warning. What lintian
# only mentions (I:) is shown too, as the overrides with their reasons.
lintian --tag-display-limit 0 -I --show-overrides "$deb" >"$work/lintian" 2>&1
lintian_status=$?
grep -vE '^(running with root privileges|N:)' "$work/lintian"
if [ "$lintian_status" -ne 0 ] && ! grep -qE '^[EW]: ' "$work/lintian"; then
    fail "lintian could not check the package"
fi
grep -qE '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings (above)"

if [ "$install" = 1 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        fail "--install needs root"
    elif dpkg-query -W -f='${db:Status-Status}' orbilon 2>/dev/null | grep -q '^installed$'; then
        fail "orbilon is installed already; remove it first"
    else
        export DEBIAN_FRONTEND=noninteractive
        if ! apt-get install -y "$deb" >"$work/apt-install.log" 2>&1; then
            cat "$work/apt-install.log"
            fail "apt-get install failed"
        else
            echo "installed: $(dpkg-query -W -f='${Package} ${Version} ${db:Status-Status}' orbilon)"
            dpkg -L orbilon >"$work/owned"
            CALLER=/tmp "$root/scripts/check-launcher.sh" orbilon "/usr/$viewer_sub" orb.exe \
                "orbilon|" || fail "orbilon on PATH did not start the viewer"
            "$root/scripts/check-launcher.sh" orbilon-setup "/usr/$medium_sub" setup \
                "orbilon-setup|-qwindowtitle|Orbilon Setup test|" \
                -qwindowtitle "Orbilon Setup test" ||
                fail "orbilon-setup on PATH did not start the installer"
            apt-get remove -y orbilon >"$work/apt-remove.log" 2>&1 || {
                cat "$work/apt-remove.log"
                fail "apt-get remove failed"
            }
            # dpkg forgets a removed package that has no configuration files.
            status="$(dpkg-query -W -f='${db:Status-Status}' orbilon 2>/dev/null)"
            case "$status" in
            "" | not-installed) ;;
            *) fail "after removal the package is '$status'" ;;
            esac
            left=0
            while IFS= read -r path; do
                if [ -e "$path" ] && [ ! -d "$path" ]; then
                    fail "left behind: $path"
                    left=$((left + 1))
                fi
            done <"$work/owned"
            [ -e "/usr/$(dirname "$medium_sub")" ] && fail "left behind: /usr/$(dirname "$medium_sub")"
            echo "removed; $left of $(wc -l <"$work/owned") paths of the package left behind"
        fi
    fi
fi

if [ -n "$keep" ]; then
    mkdir -p "$keep" && cp "$deb" "$keep/"
fi
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package checks passed"
