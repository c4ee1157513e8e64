#!/usr/bin/env bash
# Builds tavelo with its tests and runs every test through CTest, first in a
# plain build, then in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tavelo_ensure_packages

jobs="$(nproc)"
run_suite() {
    local dir="$1"; shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
}

run_suite build/test -DCMAKE_BUILD_TYPE=Debug
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVELO_SANITIZE=ON
