#!/usr/bin/env bash
# Builds Ovelia, then takes a screenshot of the main window under Xvfb:
#   tools/screenshot.sh [output.png]     (default docs/mainwindow.png)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}
output=${1:-$root/docs/mainwindow.png}

if ! command -v xvfb-run >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends xvfb xauth
fi

"$root/tools/setup.sh"
cmake --build "$build" --target screenshot -j"$(nproc)"
mkdir -p "$(dirname "$output")"
xvfb-run -a -s "-screen 0 1100x700x24" "$build/bin/screenshot" "$output"
echo "Saved $output"
