#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages), then configures and
# builds Ovelia into ./build (or $OVELIA_BUILD_DIR).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}

source "$root/tools/buildsetup.sh"
install_missing "${build_packages[@]}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${OVELIA_BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$build" -j"$(nproc)"
