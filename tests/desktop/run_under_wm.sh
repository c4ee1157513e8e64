#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on a private X server with openbox as window manager,
# on the xcb platform, and stops both afterwards. xvfb-run starts the server
# on a display number that is free (-a), so other X servers on the machine do
# not matter, and stops it when this script's inner part ends; the inner part
# starts openbox, waits until it has taken the screen, and runs the test.
# Exit status: the test program's (1 when the desktop cannot start).
#
# Usage: run_under_wm.sh TEST-PROGRAM [ARGUMENTS...]
# (xvfb-run runs the script again as: run_under_wm.sh --inside-xvfb
# MARKER-FILE TEST-PROGRAM [ARGUMENTS...]; it creates MARKER-FILE once the X
# server answers.)
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ $# -lt 1 ]; then
    echo "usage: $0 TEST-PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi

if [ "$1" != --inside-xvfb ]; then
    missing=()
    for tool in xvfb-run xauth openbox xdotool xprop xwininfo; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Missing programs: ${missing[*]} (Debian packages xvfb, xauth, openbox, xdotool, x11-utils)" >&2
        exit 1
    fi
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavelo-xvfb.XXXXXX") || exit 1
    xvfb-run -a -e "$scratch/xvfb.log" -s "-screen 0 1280x1024x24 -noreset" \
        bash "${BASH_SOURCE[0]}" --inside-xvfb "$scratch/started" "$@"
    status=$?
    if [ ! -e "$scratch/started" ]; then
        echo "Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        status=1
    fi
    rm -rf "$scratch"
    exit "$status"
fi
# xvfb-run runs this even when every server it tried failed: the marker
# tells the outer part that one answers.
xprop -root >/dev/null 2>&1 || exit 1
touch "$2"
shift 2

# From here on, under xvfb-run: DISPLAY and XAUTHORITY name its server.
work=$(mktemp -d "${TMPDIR:-/tmp}/tavelo-desktop.XXXXXX") || exit 1
openbox_pid=""
test_pid=""

stop() {
    local pid
    for pid in "$test_pid" "$openbox_pid"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null
        # Give it a moment to go; one that hangs is killed outright.
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Waits up to ten seconds for a condition; fails when the process $2 dies first.
wait_for() {
    local check=$1 pid=$2
    for _ in $(seq 100); do
        eval "$check" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

unset WAYLAND_DISPLAY
mkdir -m 700 "$work/runtime" && export XDG_RUNTIME_DIR="$work/runtime"

# Openbox reads only our configuration and keeps its cache and session files
# in the scratch folder.
XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
    openbox --sm-disable --config-file "$here/rc.xml" >"$work/openbox.log" 2>&1 &
openbox_pid=$!
# The window manager has taken the screen once it names its check window on
# the root window.
if ! wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id #"' "$openbox_pid"; then
    echo "openbox did not take the screen $DISPLAY:" >&2
    cat "$work/openbox.log" >&2
    exit 1
fi

echo "Desktop on display $DISPLAY (openbox $openbox_pid)"

# In the background, so that a stop signal reaches the traps at once.
QT_QPA_PLATFORM=xcb "$@" &
test_pid=$!
wait "$test_pid"
status=$?
test_pid=""
exit "$status"
