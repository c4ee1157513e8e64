#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's pictures at device pixel ratios 1 and 2 into docs/pictures,
# in Japanese and in English (every window, named en-*),
# and a picture of the index card from the PDF the program writes (pdftoppm,
# package poppler-utils): the card on Letter paper and its guides, at 150 dpi.
# The program that takes them is one of the tools, which the release build of
# scripts/run.sh leaves out (BUILD_TESTING off), so it has a build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
card=$(mktemp --suffix=.pdf)
trap 'rm -f "$card"' EXIT
cmake -S . -B build/pictures -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build/pictures --target tavelo_screenshots -j"$(nproc)" >/dev/null
# The card stands 20 mm from the top of a Letter page, 25.4 mm from its left
# edge: the part from 15 mm to 201 mm across and 10 mm to 146 mm down holds
# it, its marks, its note and the 50 mm bar.
# In Japanese (the C locale) and in English (LANGUAGE=en, pictures en-*).
for language in ja en; do
    name=index-card
    [ "$language" = en ] && name=en-index-card
    for ratio in 1 2; do
        LANG=C.UTF-8 LANGUAGE=$language build/pictures/bin/tavelo_screenshots docs/pictures "$ratio" "$card"
    done
    pdftoppm -png -r 150 -singlefile -x 89 -y 59 -W 1099 -H 803 "$card" docs/pictures/$name
done
ls docs/pictures
