#!/usr/bin/env bash
# Installs the build into a scratch prefix, under a umask that keeps
# everything private, and checks the tree: exactly the medium the build
# assembled; the ready installation of the viewer, made for that prefix, with
# the installer's files but no desktop files of its own, its scene files
# links to the medium's; the two commands, menu entries, icons, metadata and
# copyright; all with the modes a package wants. Then: an installation made
# from the installed medium; a DESTDIR install whose files name only the
# final place; a prefix too long for the viewer's field refused; and the
# launchers, from another directory: orbilon-setup starting the installer in
# the medium, also from a moved prefix and through a link, and orbilon the
# viewer in its installation with a relative databank made absolute.
#   check-install-tree.sh BUILD_DIR ORB_STAGE CHECK_LAUNCHER MEDIUM_SUBDIR VIEWER_SUBDIR ICON_SIZE...
# CHECK_LAUNCHER is scripts/check-launcher.sh.
set -uo pipefail
build="$1"
stage="$2"
check_launcher="$3"
medium_sub="$4"
viewer_sub="$5"
shift 5
icon_sizes=("$@")
work="$(mktemp -d)"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

prefix="$work/prefix"
if ! (umask 077 && cmake --install "$build" --prefix "$prefix") >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install failed"
    exit 1
fi

# The viewer's installation as the installer makes it, to compare with.
if ! "$stage" "$build/medium" "$work/reference" >"$work/reference.log" 2>&1; then
    cat "$work/reference.log"
    fail "orb_stage could not make a reference installation"
    exit 1
fi

# The files expected, each with its mode, or "link" for a symbolic link.
declare -A want
while IFS= read -r -d '' file; do
    rel="${file#"$build/medium/"}"
    want["$medium_sub/$rel"]=644
done < <(find "$build/medium" -type f -print0)
[ "${#want[@]}" -gt 20 ] || fail "the build's medium holds only ${#want[@]} files"
want["$medium_sub/setup"]=755
scenes=0
while IFS= read -r -d '' file; do
    rel="${file#"$work/reference/"}"
    case "$rel" in
    orbilon.png | orbilon.desktop) continue ;; # the package brings its own
    orb.exe) want["$viewer_sub/$rel"]=755 ;;
    data/[0-9][0-9].map | data/[0-9][0-9].pal)
        want["$viewer_sub/$rel"]=link
        scenes=$((scenes + 1))
        ;;
    *) want["$viewer_sub/$rel"]=644 ;;
    esac
done < <(find "$work/reference" -type f -print0)
[ "$scenes" -gt 40 ] || fail "the reference installation holds only $scenes scene files"
want["bin/orbilon"]=755
want["bin/orbilon-setup"]=755
want["share/applications/org.orbilon.Orbilon.desktop"]=644
want["share/applications/org.orbilon.Orbilon.Setup.desktop"]=644
want["share/metainfo/org.orbilon.Orbilon.metainfo.xml"]=644
want["share/doc/orbilon/copyright"]=644
want["share/doc/orbilon/changelog.gz"]=644
want["share/man/man1/orbilon.1.gz"]=644
want["share/man/man1/orbilon-setup.1.gz"]=644
want["share/doc/orbilon/examples/astronomy-and-spaceflight.dat"]=644
want["share/doc/orbilon/examples/astronomy-and-spaceflight-sources.md"]=644
for size in "${icon_sizes[@]}"; do
    want["share/icons/hicolor/${size}x${size}/apps/orbilon.png"]=644
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
    if [ "${want[$rel]}" = link ]; then
        # Relative, into the installed medium, so that the tree can move.
        target="$(readlink "$prefix/$rel")"
        [[ "$target" == /* ]] && fail "$rel links to an absolute path, $target"
        [ "$(readlink -f "$prefix/$rel")" = "$(readlink -f "$prefix/$medium_sub/DATA/$(basename "$rel")")" ] ||
            fail "$rel links to $target, not to the medium's copy"
        continue
    fi
    [ -f "$prefix/$rel" ] && [ ! -L "$prefix/$rel" ] || fail "$rel is not a regular file"
    mode="$(stat -c %a "$prefix/$rel")"
    [ "$mode" = "${want[$rel]}" ] || fail "$rel has mode $mode, not ${want[$rel]}"
done
while IFS= read -r -d '' dir; do
    mode="$(stat -c %a "$dir")"
    [ "$mode" = 755 ] || fail "directory ${dir#"$prefix/"} has mode $mode, not 755"
done < <(find "$prefix" -mindepth 1 -type d -print0)
grep -q $'\r' "$prefix/share/doc/orbilon/copyright" && fail "the copyright file keeps CR LF line ends"

# The viewer's installation holds the installer's files, its viewer naming
# this prefix's installation and not the reference's.
while IFS= read -r -d '' file; do
    rel="${file#"$work/reference/"}"
    case "$rel" in orbilon.png | orbilon.desktop | orb.exe) continue ;; esac
    cmp -s "$file" "$prefix/$viewer_sub/$rel" || fail "$viewer_sub/$rel differs from the installer's copy"
done < <(find "$work/reference" -type f -print0)
viewer="$prefix/$viewer_sub/orb.exe"
grep -qaF "$prefix/$viewer_sub" "$viewer" || fail "the viewer does not name $prefix/$viewer_sub"
grep -qaF "$work/reference" "$viewer" && fail "the viewer names the reference installation"

# Each icon is as large as the directory it lies in says.
for size in "${icon_sizes[@]}"; do
    for icon in "$prefix/share/icons/hicolor/${size}x${size}/apps/"orbilon*.png; do
        [ -f "$icon" ] || continue
        read -r -a ihdr < <(od -An -tu1 -j16 -N8 "$icon")
        width=$(((ihdr[0] << 24) | (ihdr[1] << 16) | (ihdr[2] << 8) | ihdr[3]))
        height=$(((ihdr[4] << 24) | (ihdr[5] << 16) | (ihdr[6] << 8) | ihdr[7]))
        if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
            fail "$(basename "$icon") at ${size}x${size} is ${width}x${height}"
        fi
    done
done

# What the menu entries and the metadata name is installed.
for entry in "$prefix"/share/applications/*.desktop; do
    exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
    [ -x "$prefix/bin/$exec_name" ] || fail "$(basename "$entry") starts '$exec_name', not installed in bin"
    icon_name="$(sed -n 's/^Icon=//p' "$entry")"
    for size in "${icon_sizes[@]}"; do
        [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon_name.png" ] ||
            fail "$(basename "$entry")'s icon '$icon_name' has no ${size}x${size} picture"
    done
done
grep -qx 'Exec=orbilon %f' "$prefix/share/applications/org.orbilon.Orbilon.desktop" ||
    fail "the viewer's menu entry does not start 'orbilon %f'"
metainfo="$prefix/share/metainfo/org.orbilon.Orbilon.metainfo.xml"
launchable="$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")"
[ "$launchable" = org.orbilon.Orbilon.desktop ] ||
    fail "the metadata launches '$launchable', not the viewer's entry"
binaries="$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")"
grep -qx orbilon <<<"$binaries" || fail "the metadata does not provide orbilon"
for binary in $binaries; do
    [ -x "$prefix/bin/$binary" ] || fail "the metadata provides '$binary', not installed in bin"
done

# Both commands answer under the name they were typed by.
for command in orbilon orbilon-setup; do
    said="$(env -u DISPLAY "$prefix/bin/$command" --version 2>&1)"
    [ "$said" = "$command (Orbilon) $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" ] ||
        fail "$command --version says '$said'"
    env -u DISPLAY "$prefix/bin/$command" --help | head -1 | grep -q "^Usage: $command " ||
        fail "$command --help does not name $command"
done

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

# Staged with --desktop-entry, the menu entry also goes into the user's
# applications folder, naming the installation.
if XDG_DATA_HOME="$work/xdg" "$stage" --desktop-entry "$build/medium" "$work/with-entry" \
    >"$work/with-entry.log" 2>&1; then
    grep -qxF "X-Orbilon-Directory=$work/with-entry" "$work"/xdg/applications/orbilon-*.desktop ||
        fail "orb_stage --desktop-entry wrote no menu entry naming $work/with-entry"
else
    cat "$work/with-entry.log"
    fail "orb_stage --desktop-entry failed"
fi

# Staged for a package: the files name their final place, never the stage.
dest="$work/dest"
if DESTDIR="$dest" cmake --install "$build" --prefix /opt/orbilon-test >"$work/dest.log" 2>&1; then
    grep -qaF "/opt/orbilon-test/$viewer_sub" "$dest/opt/orbilon-test/$viewer_sub/orb.exe" ||
        fail "the staged viewer does not name /opt/orbilon-test/$viewer_sub"
    named="$(grep -rlaF "$dest" "$dest")"
    [ -z "$named" ] || fail "staged files name the staging directory: $named"
else
    cat "$work/dest.log"
    fail "cmake --install with DESTDIR failed"
fi
# A prefix the viewer's field cannot hold fails the installation, saying why.
long="/$(printf 'p%.0s' $(seq 100))"
if DESTDIR="$work/long" cmake --install "$build" --prefix "$long" >"$work/long.log" 2>&1; then
    fail "an installation under a prefix of 101 bytes succeeded"
fi
grep -q "shorter prefix" "$work/long.log" || fail "a prefix too long was refused with: $(tail -5 "$work/long.log")"

# The viewer's command, from the directory of a databank named relatively.
caller="$work/caller"
mkdir -p "$caller"
printf '20 JUL 1969 AD\r\nApollo 11 lands on the Moon\r\n' >"$caller/mine.dat"
CALLER="$caller" "$check_launcher" "$prefix/bin/orbilon" "$prefix/$viewer_sub" orb.exe \
    "$prefix/bin/orbilon|-qwindowtitle|Orbilon test|$caller/mine.dat|" \
    -qwindowtitle "Orbilon test" mine.dat || fail "the orbilon check failed"

# The installer's launcher, from a prefix moved elsewhere and through a link
# in another directory, must run the medium's installer in the medium.
mkdir -p "$work/moved" "$work/links"
mv "$prefix" "$work/moved/"
prefix="$work/moved/prefix"
medium="$(readlink -f "$prefix/$medium_sub")"
ln -s "$prefix/bin/orbilon-setup" "$work/links/orbilon-setup"
"$check_launcher" "$work/links/orbilon-setup" "$medium" setup \
    "orbilon-setup|-qwindowtitle|Orbilon Setup test|" -qwindowtitle "Orbilon Setup test" ||
    fail "the orbilon-setup check failed"

# A viewer that cannot be run is reported as a shell reports a command: 127
# when it is missing, 126 when it may not be run.
moved_viewer="$prefix/$viewer_sub/orb.exe"
mv "$moved_viewer" "$work/orb.exe"
"$prefix/bin/orbilon" >"$work/noexe.out" 2>&1
status=$?
[ "$status" -eq 127 ] || fail "orbilon without orb.exe exits $status, not 127"
grep -q "cannot start" "$work/noexe.out" || fail "orbilon without orb.exe said: $(cat "$work/noexe.out")"
mv "$work/orb.exe" "$moved_viewer"
chmod 644 "$moved_viewer"
"$prefix/bin/orbilon" >"$work/noexe.out" 2>&1
status=$?
[ "$status" -eq 126 ] || fail "orbilon with an orb.exe it may not run exits $status, not 126"

# Without their installations the launchers say so and fail.
rm -rf "$medium" "$prefix/$viewer_sub"
for command in orbilon-setup orbilon; do
    if "$prefix/bin/$command" >"$work/missing.out" 2>&1; then
        fail "$command succeeded with nothing to start"
    fi
    grep -qE "no (installer medium|viewer installation)" "$work/missing.out" ||
        fail "$command without its installation said: $(cat "$work/missing.out")"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the installed tree holds ${#want[@]} files, all as expected"
