#!/usr/bin/env bash
# Builds Ovelia, then takes screenshots under Xvfb of the main window, its
# Settings menu, the calendar pop-up, both filter lists, a hovered button and
# every dialog, in English and Chinese:
#   tools/screenshot.sh [--with-compositor] [output folder] [scale]
# (default build/screenshots, 1). The scale (QT_SCALE_FACTOR: 1.5, 2, ...)
# pictures a high-DPI screen. --with-compositor takes every picture a second
# time with the compositing manager xcompmgr running, into <output>/compositor.
# docs/mainwindow.png, shown in README, is the English main window at scale 1.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
compositor=false
if [ "${1:-}" = --with-compositor ]; then
    compositor=true
    shift
fi
build=${OVELIA_BUILD_DIR:-$root/build}
output=${1:-$build/screenshots}
scale=${2:-1}
screen=$(awk -v s="$scale" 'BEGIN { printf "%dx%dx24", 1100 * s, 700 * s }')

source "$root/tools/buildsetup.sh"
install_missing xvfb xauth
if $compositor; then
    install_missing xcompmgr
fi

"$root/tools/setup.sh"
cmake --build "$build" --target screenshot -j"$(nproc)"
for language in 0409 0804; do
    QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 $screen" "$build/bin/screenshot" "$output" "$language"
    if $compositor; then
        # xcompmgr takes the compositing selection at once, a second is ample.
        QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 $screen" \
            sh -c 'xcompmgr & sleep 1; exec "$@"' sh "$build/bin/screenshot" "$output/compositor" "$language"
    fi
done
if [ "$scale" = 1 ]; then
    cp "$output/mainwindow-0409.png" "$root/docs/mainwindow.png"
    echo "Saved the screenshots in $output and docs/mainwindow.png"
else
    echo "Saved the screenshots in $output"
fi
