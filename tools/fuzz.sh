#!/usr/bin/env bash
# Fuzzes the reading of a recording's first bytes (header holder and record
# extraction) with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# starting from the committed seeds in tests/fuzz/corpus. Usage:
#   tools/fuzz.sh [SECONDS]      (60 when not given)
# New inputs found go to build-asan/fuzz-corpus, never into the seeds; a crash,
# a sanitizer report or an input that runs longer than 10 s fails the run and
# leaves the input in build-asan/fuzz-artifacts.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
source "$root/tools/buildsetup.sh"
install_missing "${instrumented_build_packages[@]}"

configure_asan_build
build=$asan_build
cmake --build "$build" -j"$(nproc)" --target fuzz_recordheader

mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$build/bin/fuzz_recordheader" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
    "$build/fuzz-corpus" "$root/tests/fuzz/corpus"
