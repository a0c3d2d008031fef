#!/usr/bin/env bash
# Sets up and builds Ovelia, then runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink ctest --output-on-failure
