#!/usr/bin/env bash
# Sets up and builds Ovelia, then starts it from the build folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
exec "$build/bin/Ovelia" "$@"
