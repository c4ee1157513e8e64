#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Static analysis of src/: cppcheck, and clang-tidy with the checks in
# .clang-tidy. Every finding fails; a finding that is false carries a NOLINT
# with its reason at the line.
#     scripts/check_static.sh BUILD-FOLDER   (one with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: scripts/check_static.sh BUILD-FOLDER}"

cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
    --library=qt --inline-suppr --quiet --error-exitcode=1 -I src \
    --suppress=missingIncludeSystem --suppress=unmatchedSuppression src
echo "cppcheck: no finding"

mapfile -t files < <(git ls-files 'src/*.cpp')
log="$build/clang-tidy.log"
if ! printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet >"$log" 2>&1; then
    grep -E -A6 '(warning|error):' "$log" | grep -v 'warnings generated' >&2 || cat "$log" >&2
    echo "clang-tidy found the above; the whole log is in $log" >&2
    exit 1
fi
echo "clang-tidy: no finding in ${#files[@]} files"
