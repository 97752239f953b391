#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the viewer need.
# Quiet and quick when everything is there already.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format binutils
    clang-14 libclang-rt-14-dev clang-tidy-14
    fonts-liberation2
    xvfb xauth
    # a window manager and X's own tools, to see where the window lands
    openbox x11-utils
    # the packaging checks: validators of menu entries and metadata, and what
    # cpack needs to compute the Debian package's dependencies
    desktop-file-utils appstream dpkg-dev file
    # the manual pages' check: man and groff render them, and warn
    man-db groff-base
    # Debian's checks of the package itself
    lintian
    # the installation's checks: its menu entries started as GNOME starts
    # them, and the calls that make its new directories durable
    libglib2.0-bin strace
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing Debian packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
