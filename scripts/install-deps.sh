#!/usr/bin/env bash
# Installs the Debian packages Reeldeck builds and runs with, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-multimedia-dev qt6-svg-dev
    qt6-image-formats-plugins libqt6svg6 libgl-dev
    gstreamer1.0-plugins-good gstreamer1.0-libav
    libcurl4-openssl-dev libcpp-httplib-dev libsqlite3-dev libgd-dev libfontconfig-dev fonts-dejavu-core
    libzip-dev libpugixml-dev librsvg2-bin
    xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
