#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Static analysis of src/: cppcheck, and clang-tidy with the checks in
# .clang-tidy, run over every file of src/ in the build's compilation
# database by run-clang-tidy (package clang-tidy). Every finding fails; a
# finding that is false carries a NOLINT with its reason at the line.
#     scripts/check_static.sh BUILD-FOLDER   (one with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: scripts/check_static.sh BUILD-FOLDER}"

cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
    --library=qt --inline-suppr --quiet --error-exitcode=1 -I src \
    --suppress=missingIncludeSystem --suppress=unmatchedSuppression src
echo "cppcheck: no finding"

# The sources of src/ only: not the tests, and not what moc and rcc generate
# in the build folder. run-clang-tidy matches this expression against the
# absolute file names of the database.
src_files="^$(printf '%s' "$PWD/src/" | sed 's/[][\.*^$+?(){}|]/\\&/g').*\.cpp$"
log="$build/clang-tidy.log"
if ! run-clang-tidy -p "$build" -quiet -j "$(nproc)" "$src_files" >"$log" 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E -A6 '(warning|error):' | grep -v 'warnings generated' >&2 ||
        cat "$log" >&2
    echo "clang-tidy found the above; the whole log is in $log" >&2
    exit 1
fi
# run-clang-tidy prints each clang-tidy command line it runs.
echo "clang-tidy: no finding in $(grep -c '^clang-tidy[^ ]* ' "$log") files"
