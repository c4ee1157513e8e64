#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a release build of tavelo, without the tests and tools, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tavelo_ensure_packages "${tavelo_packages[@]}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "tavelo needs a graphical display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty): log in to a desktop, connect with 'ssh -X', or start a virtual display such as 'xvfb-run scripts/run.sh'." >&2
    exit 1
fi

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target tavelo -j"$(nproc)"
exec build/release/bin/tavelo
