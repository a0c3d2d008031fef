#!/usr/bin/env bash
# The size of the tests against the rest: non-blank lines of the C and C++
# files that git tracks, under tests/ and elsewhere, and their ratio.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count_lines() {
    git ls-files -z -- "$@" | xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}

sources=('*.cpp' '*.h' '*.c')
tests=$(count_lines "${sources[@]/#/tests/}")
all=$(count_lines "${sources[@]}")
rest=$((all - tests))
echo "tests: $tests non-blank lines; the rest: $rest; tests/rest: $(awk -v t="$tests" -v r="$rest" 'BEGIN { printf "%.1f%%", 100 * t / r }')"
