#!/usr/bin/env bash
# Times the scan of a file share: the recordings lie behind slowfs, a
# read-only view of a local folder that waits in every file-system call, as a
# share across a network does. Installs FUSE (Debian's fuse3 and
# libfuse3-dev) and builds slowfs; the project's build and tests never need it.
#
#   bench/share_bench.sh [DELAY-MICROSECONDS] [FILES] [FOLDERS]   (500 10000 100)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${OVELIA_BUILD_DIR:-$root/build}
delay=${1:-500}
files=${2:-10000}
folders=${3:-100}

source "$root/tools/buildsetup.sh"
install_missing fuse3 libfuse3-dev pkg-config gcc
"$root/tools/setup.sh" >/dev/null
gcc -O2 -Wall -o "$build/bin/slowfs" "$root/bench/slowfs.c" $(pkg-config --cflags --libs fuse3)

work=$(mktemp -d)
share="$work/share"
cleanup() {
    fusermount3 -u "$share" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
"$build/bin/scan_bench" --generate "$work/backing" "$files" "$folders"
mkdir "$share"
# No kernel caching of names or attributes: every lookup reaches the share.
"$build/bin/slowfs" "$work/backing" "$delay" "$share" \
    -o ro,entry_timeout=0,attr_timeout=0,negative_timeout=0,max_threads=32
echo "share: $files files in $folders folders, ${delay} us per call"
"$build/bin/scan_bench" --tree "$share" --runs 3
