#!/usr/bin/env bash
# Builds Ovelia instrumented with clang's sanitizers and runs tests in it:
#   asan  build-asan: AddressSanitizer (with leak checks) and
#         UndefinedBehaviorSanitizer; the whole test suite.
#   tsan  build-tsan: ThreadSanitizer; the tests of the import worker, the
#         scan, Cancel and the tree building.
# Any sanitizer report fails the test that shows it. Usage:
#   tools/sanitize.sh [asan|tsan]...     (both when none is named)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/buildsetup.sh"
install_missing "${instrumented_build_packages[@]}"

supp=$root/tools/sanitizers
export QT_QPA_PLATFORM=offscreen QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$supp/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp

# The threaded tests run under ThreadSanitizer.
threaded_tests=(tst_recordscan tst_operathread tst_mainwindow tst_ovelia_scan tst_hostileinputs)

run_asan() {
    configure_asan_build
    cmake --build "$asan_build" -j"$(nproc)"
    (cd "$asan_build" && ctest --output-on-failure)
}

run_tsan() {
    local build=${OVELIA_TSAN_BUILD_DIR:-$root/build-tsan}
    # Unoptimized, so that every frame of a report, and of a suppression, is there.
    configure_with_clang "$build" Debug thread
    cmake --build "$build" -j"$(nproc)" --target "${threaded_tests[@]}"
    local pattern
    pattern="^($(IFS='|'; echo "${threaded_tests[*]}"))\$"
    (cd "$build" && ctest --output-on-failure -R "$pattern")
}

builds=("$@")
[ ${#builds[@]} -eq 0 ] && builds=(asan tsan)
for build in "${builds[@]}"; do
    case $build in
        asan) run_asan ;;
        tsan) run_tsan ;;
        *) echo "sanitize.sh: unknown build '$build' (asan or tsan)" >&2; exit 2 ;;
    esac
done
