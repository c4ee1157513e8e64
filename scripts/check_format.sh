#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every C++ file is formatted as .clang-format says; lists those
# that are not. `scripts/check_format.sh --fix` formats them in place. One
# clang-format run takes all the files.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
# Each place that would change is reported as "FILE:LINE:COLUMN: error: ...".
if ! report="$(clang-format --dry-run --Werror "${files[@]}" 2>&1)"; then
    bad="$(printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)"
    if [ -z "$bad" ]; then
        printf '%s\n' "$report" >&2
        echo "clang-format failed" >&2
        exit 1
    fi
    echo "Not formatted as .clang-format says (run scripts/check_format.sh --fix):" >&2
    printf '%s\n' "$bad" | sed 's/^/  /' >&2
    exit 1
fi
echo "format: ${#files[@]} files as .clang-format says"
