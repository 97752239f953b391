#!/usr/bin/env bash
# The layer check must fail on each kind of breach and pass on a clean tree.
#   check-layers-test.sh PATH/TO/check-layers.sh
set -uo pipefail
check="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# Writes a tree with one clean file per layer, plus the given file and line.
tree() {
    local dir="$work/$1"
    mkdir -p "$dir/viewer/display" "$dir/platform/include/platform" "$dir/setup/patch" "$dir/tests" \
        "$dir/platform/qt/include/platform/qt" "$dir/field"
    printf '#include "display/TimeModel.h"\n#include <cstdint>\n' >"$dir/viewer/display/A.cpp"
    printf '#include "platform/Colour.h"\n' >"$dir/platform/include/platform/B.h"
    printf '#include "platform/FontSource.h"\n' >"$dir/platform/qt/include/platform/qt/Q.h"
    printf '#include "platform/qt/Q.h"\n\n#include <QFont>\n' >"$dir/platform/qt/Q.cpp"
    printf '#include "field/InstallPathField.h"\n#include "setup/patch/W.h"\n' >"$dir/setup/patch/W.cpp"
    printf '#include "field/InstallPathField.h"\n#include <string>\n' >"$dir/field/F.cpp"
    printf '#include "support/TempDir.h"\n' >"$dir/tests/T.cpp"
    if [ $# -ge 3 ]; then
        mkdir -p "$(dirname "$dir/$2")"
        printf '%s\n' "$3" >>"$dir/$2"
    fi
    echo "$dir"
}

expect() {
    local want="$1" name="$2" dir="$3"
    "$check" "$dir" >"$work/out" 2>&1
    local got=$?
    if { [ "$want" = pass ] && [ $got -ne 0 ]; } || { [ "$want" = fail ] && [ $got -eq 0 ]; }; then
        echo "FAIL: $name: expected the check to $want; it said:"
        cat "$work/out"
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}

expect pass "clean tree" "$(tree clean)"
expect fail "Qt in the drawing code" "$(tree qtdisplay viewer/display/A.cpp '#include <QImage>')"
expect fail "Qt module path in the drawing code" \
    "$(tree qtmodule viewer/display/A.cpp '#include <QtGui/QImage>')"
expect fail "shell in the drawing code" \
    "$(tree shelldisplay viewer/display/A.cpp '#include "shell/CMainFrame.h"')"
expect fail "Qt backend in the drawing code" \
    "$(tree qtbackend viewer/display/A.cpp '#include "platform/qt/FrameImage.h"')"
expect fail "Qt in the orbilon command" \
    "$(tree qtlauncher viewer/launcher/L.cpp '#include <QProcess>')"
expect fail "shell in the orbilon command" \
    "$(tree shelllauncher viewer/launcher/L.cpp '#include "shell/COrbApp.h"')"
expect pass "the orbilon command on the drawing code's logic" \
    "$(tree launcherlogic viewer/launcher/L.cpp '#include "display/ViewerProgram.h"')"
expect fail "Qt in a platform header" \
    "$(tree qtplatform platform/include/platform/B.h '  #  include <QFont>')"
expect fail "viewer code in the installer" \
    "$(tree setupviewer setup/patch/W.cpp '#include "display/COrbView.h"')"
expect fail "viewer path in the installer" \
    "$(tree setupviewerpath setup/patch/W.cpp '#include "viewer/display/COrbView.h"')"
expect fail "viewer code in the field" "$(tree fieldviewer field/F.cpp '#include "display/TimeModel.h"')"
expect fail "Qt in the field" "$(tree qtfield field/F.cpp '#include <QString>')"
expect fail "include without its folder" "$(tree nofolder tests/T.cpp '#include "TempDir.h"')"
expect fail "relative include" "$(tree relative tests/T.cpp '#include "../support/TempDir.h"')"
expect fail "Qt in the drawing code's tests" \
    "$(tree qttests tests/display/T.cpp '#include <QImage>')"
expect fail "Qt backend in a fuzzer" \
    "$(tree qtfuzz fuzz/F.cpp '#include "platform/qt/CreateFont.h"')"
expect fail "Qt backend source named after a platform header" \
    "$(tree qtimplements platform/qt/B.cpp '#include "platform/qt/B.h"')"
expect fail "Qt backend source without its own header first" \
    "$(tree qtownheader platform/qt/R.cpp '#include "platform/Font.h"')"
expect pass "standard headers anywhere" "$(tree std viewer/display/A.cpp '#include <string>')"

[ $failures -eq 0 ] || exit 1
