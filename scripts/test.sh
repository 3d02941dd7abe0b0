#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as released, and the headless
# and offscreen tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_deps.sh"

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j 2

cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEGREL_SANITIZE=ON \
      -DTEGREL_BENCH=OFF >/dev/null
cmake --build "$root/build-sanitize" --target tegrel_unit_tests tegrel_offscreen_tests
# Any sanitizer report ends the test that made it with a failure.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan_suppressions.txt"
ctest --test-dir "$root/build-sanitize" --output-on-failure -j 2 -LE e2e
