#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's pictures at device pixel ratios 1 and 2 into docs/pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tavelo_screenshots -j"$(nproc)" >/dev/null
for ratio in 1 2; do
    build/release/tools/tavelo_screenshots docs/pictures "$ratio"
done
ls docs/pictures
