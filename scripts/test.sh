#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds tavelo with its tests and runs every test through CTest, first in a
# plain build, then in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
# Warnings are errors here. Compiler output goes to a log in the build folder
# and is shown only when the build fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tavelo_ensure_packages "${tavelo_packages[@]}" "${tavelo_test_packages[@]}"

jobs="$(nproc)"
started=$SECONDS

step() { printf '== %s\n' "$*"; }

build() {
    local dir="$1"; shift
    local log="$dir/build.log"
    mkdir -p "$dir"
    if ! { cmake -S . -B "$dir" -DBUILD_TESTING=ON -DTAVELO_WERROR=ON "$@" && cmake --build "$dir" -j"$jobs"; } >"$log" 2>&1; then
        grep -E -B2 -A12 'error|Error' "$log" | head -n 80 >&2
        echo "Build failed; the whole log is in $log" >&2
        exit 1
    fi
}

# The layer check is the CTest test `layers`: it takes the widget-free layers
# and Qt's include folders from the build.
step "Format"
scripts/check_format.sh

step "Plain build (log: build/test/build.log)"
build build/test -DCMAKE_BUILD_TYPE=Debug
step "Tests, plain build"
(cd build/test && ctest --output-on-failure -j"$jobs")

step "Static analysis (cppcheck, clang-tidy)"
scripts/check_static.sh build/test

step "Build with sanitizers (log: build/sanitize/build.log)"
build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVELO_SANITIZE=ON
step "Tests with sanitizers"
# What is installed and packaged does not change with the sanitizers.
(cd build/sanitize && ctest --output-on-failure -j"$jobs" -LE packaging)

step "All passed in $((SECONDS - started)) s"
