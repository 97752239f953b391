#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the tree: exactly the
# medium the build assembled plus the launcher, menu entry, icons, metadata
# and copyright, with the modes a package wants; an installation made from the
# installed medium; and the launcher starting the installer in the medium,
# from a moved prefix and through a link, with its arguments unchanged.
#   check-install-tree.sh BUILD_DIR ORB_STAGE CHECK_LAUNCHER MEDIUM_SUBDIR ICON_SIZE...
# CHECK_LAUNCHER is scripts/check-launcher.sh.
set -uo pipefail
build="$1"
stage="$2"
check_launcher="$3"
medium_sub="$4"
shift 4
icon_sizes=("$@")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

prefix="$work/prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install failed"
    exit 1
fi

# The files expected, each with its mode.
declare -A want
while IFS= read -r -d '' file; do
    rel="${file#"$build/medium/"}"
    want["$medium_sub/$rel"]=644
done < <(find "$build/medium" -type f -print0)
[ "${#want[@]}" -gt 20 ] || fail "the build's medium holds only ${#want[@]} files"
want["$medium_sub/setup"]=755
want["bin/orbilon-setup"]=755
want["share/applications/org.orbilon.Orbilon.Setup.desktop"]=644
want["share/metainfo/org.orbilon.Orbilon.metainfo.xml"]=644
want["share/doc/orbilon/copyright"]=644
want["share/doc/orbilon/changelog.gz"]=644
want["share/man/man1/orbilon.1.gz"]=644
want["share/man/man1/orbilon-setup.1.gz"]=644
want["share/doc/orbilon/examples/astronomy-and-spaceflight.dat"]=644
want["share/doc/orbilon/examples/astronomy-and-spaceflight-sources.md"]=644
for size in "${icon_sizes[@]}"; do
    want["share/icons/hicolor/${size}x${size}/apps/orbilon-setup.png"]=644
done

declare -A have
while IFS= read -r -d '' file; do
    have["${file#"$prefix/"}"]=1
done < <(find "$prefix" ! -type d -print0)
for rel in "${!have[@]}"; do
    [ -n "${want[$rel]:-}" ] || fail "unexpected file installed: $rel"
done
for rel in "${!want[@]}"; do
    if [ -z "${have[$rel]:-}" ]; then
        fail "missing from the installed tree: $rel"
        continue
    fi
    [ -f "$prefix/$rel" ] || fail "$rel is not a regular file"
    mode="$(stat -c %a "$prefix/$rel")"
    [ "$mode" = "${want[$rel]}" ] || fail "$rel has mode $mode, not ${want[$rel]}"
done
while IFS= read -r -d '' dir; do
    mode="$(stat -c %a "$dir")"
    [ "$mode" = 755 ] || fail "directory ${dir#"$prefix/"} has mode $mode, not 755"
done < <(find "$prefix" -mindepth 1 -type d -print0)
grep -q $'\r' "$prefix/share/doc/orbilon/copyright" && fail "the copyright file keeps CR LF line ends"

# Each icon is as large as the directory it lies in says.
for size in "${icon_sizes[@]}"; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/orbilon-setup.png"
    [ -f "$icon" ] || continue
    read -r -a ihdr < <(od -An -tu1 -j16 -N8 "$icon")
    width=$(((ihdr[0] << 24) | (ihdr[1] << 16) | (ihdr[2] << 8) | ihdr[3]))
    height=$(((ihdr[4] << 24) | (ihdr[5] << 16) | (ihdr[6] << 8) | ihdr[7]))
    if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
        fail "the ${size}x${size} icon is ${width}x${height}"
    fi
done

# What the menu entry and the metadata name is installed.
entry="$prefix/share/applications/org.orbilon.Orbilon.Setup.desktop"
metainfo="$prefix/share/metainfo/org.orbilon.Orbilon.metainfo.xml"
if [ -f "$entry" ] && [ -f "$metainfo" ]; then
    exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
    [ -x "$prefix/bin/$exec_name" ] || fail "the menu entry starts '$exec_name', not installed in bin"
    icon_name="$(sed -n 's/^Icon=//p' "$entry")"
    for size in "${icon_sizes[@]}"; do
        [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon_name.png" ] ||
            fail "the menu entry's icon '$icon_name' has no ${size}x${size} picture"
    done
    launchable="$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")"
    [ -f "$prefix/share/applications/$launchable" ] ||
        fail "the metadata launches '$launchable', which is not installed"
    binary="$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")"
    [ -x "$prefix/bin/$binary" ] || fail "the metadata provides '$binary', not installed in bin"
fi

# The installed medium makes a whole installation and is left as it was.
if "$stage" "$prefix/$medium_sub" "$work/target" >"$work/stage.log" 2>&1; then
    [ -x "$work/target/orb.exe" ] || fail "the installation from the installed medium has no orb.exe"
else
    cat "$work/stage.log"
    fail "an installation from the installed medium failed"
fi
while IFS= read -r -d '' file; do
    rel="${file#"$build/medium/"}"
    cmp -s "$file" "$prefix/$medium_sub/$rel" || fail "installed $rel differs from the build's medium"
done < <(find "$build/medium" -type f -print0)

# The launcher, from a prefix moved elsewhere and through a link in another
# directory, must run the medium's installer in the medium's directory.
mkdir -p "$work/moved" "$work/links"
mv "$prefix" "$work/moved/"
prefix="$work/moved/prefix"
medium="$(readlink -f "$prefix/$medium_sub")"
ln -s "$prefix/bin/orbilon-setup" "$work/links/orbilon-setup"
"$check_launcher" "$work/links/orbilon-setup" "$medium" || fail "the launcher check failed"

# Without its medium the launcher says so and fails.
rm -rf "$medium"
if "$prefix/bin/orbilon-setup" >"$work/nomedium.out" 2>&1; then
    fail "the launcher succeeded without a medium"
fi
grep -q "no installer medium" "$work/nomedium.out" ||
    fail "the launcher without a medium said: $(cat "$work/nomedium.out")"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the installed tree holds ${#want[@]} files, all as expected"
