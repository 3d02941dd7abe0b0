#!/usr/bin/env bash
# Installs what is missing, builds Tegrel and runs its benchmarks; arguments go to Google Benchmark.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target tegrel_bench tegrel
exec "$root/build/bench/tegrel_bench" "$@"
