#!/usr/bin/env bash
# Runs one end-to-end test script against the real program on a private Xvfb display.
# Usage: run_under_xvfb.sh TEST_SCRIPT TEGREL_BINARY
set -euo pipefail
script="$1"
export TEGREL="$2"
export E2E_DIR="$(cd "$(dirname "$0")" && pwd)"
export E2E_TMP="$(mktemp -d)"

exec 3>"$E2E_TMP/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -rf "$E2E_TMP"' EXIT

for _ in $(seq 100); do
    [ -s "$E2E_TMP/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
bash "$script"
