#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's pictures at device pixel ratios 1 and 2 into docs/pictures.
# The program that takes them is one of the tools, which the release build of
# scripts/run.sh leaves out (BUILD_TESTING off), so it has a build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/pictures -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build/pictures --target tavelo_screenshots -j"$(nproc)" >/dev/null
for ratio in 1 2; do
    build/pictures/tools/tavelo_screenshots docs/pictures "$ratio"
done
ls docs/pictures
