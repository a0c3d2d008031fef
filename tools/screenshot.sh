#!/usr/bin/env bash
# Builds Ovelia, then takes screenshots under Xvfb of the main window, its
# Settings menu, the calendar pop-up, both filter lists, a hovered button and
# every dialog, in English and Chinese:
#   tools/screenshot.sh [output folder] [scale]   (default build/screenshots, 1)
# The scale (QT_SCALE_FACTOR: 1.5, 2, ...) pictures a high-DPI screen.
# docs/mainwindow.png, shown in README, is the English main window at scale 1.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}
output=${1:-$build/screenshots}
scale=${2:-1}
screen=$(awk -v s="$scale" 'BEGIN { printf "%dx%dx24", 1100 * s, 700 * s }')

if ! command -v xvfb-run >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends xvfb xauth
fi

"$root/tools/setup.sh"
cmake --build "$build" --target screenshot -j"$(nproc)"
for language in 0409 0804; do
    QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 $screen" "$build/bin/screenshot" "$output" "$language"
done
if [ "$scale" = 1 ]; then
    cp "$output/mainwindow-0409.png" "$root/docs/mainwindow.png"
    echo "Saved the screenshots in $output and docs/mainwindow.png"
else
    echo "Saved the screenshots in $output"
fi
