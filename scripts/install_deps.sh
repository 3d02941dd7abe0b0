#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tegrel need, if any is missing.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xdotool imagemagick x11-utils)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
