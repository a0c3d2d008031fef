#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages), then configures and
# builds Ovelia into ./build (or $OVELIA_BUILD_DIR).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}

packages=(
    cmake make g++ pkg-config
    qtbase5-dev qtmultimedia5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools
    libqt5multimedia5-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libsqlite3-dev fonts-wqy-microhei alsa-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${OVELIA_BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$build" -j"$(nproc)"
