#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the desktop validators on the files that menus and software centres
# read. Any message counts as a failure, hints included for the desktop entry
# and everything but pedantic notes for the metainfo, so new warnings are
# seen at once.
# Usage: validate.sh desktop|metainfo FILE
set -uo pipefail
kind="$1" file="$2"
case "$kind" in
    desktop)
        out="$(desktop-file-validate "$file" 2>&1)"
        status=$?
        [ $status -eq 0 ] && [ -z "$out" ] && exit 0
        ;;
    metainfo)
        out="$(appstreamcli validate --no-net --strict "$file" 2>&1)"
        status=$?
        [ $status -eq 0 ] && exit 0
        ;;
    *)
        echo "usage: $0 desktop|metainfo FILE" >&2
        exit 2
        ;;
esac
echo "$file does not validate cleanly (status $status):"
echo "$out"
exit 1
