#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the program against the floor (bench/floor.cpp), side by side on
# one virtual X server without a window manager. The two alternate, RUNS times
# each (default 40) after one unmeasured start of each; every start is timed
# by bench/xwatch: from just before the process is created to its window
# mapped, and to every pixel of that window painted; and its peak resident
# memory. Prints for both the median, the range and the quartiles, and the
# program's medians over the floor's.
#
#   bench/startup.sh [BUILD_DIR]     default build/bench, a release build
#
# RUNS sets the number of starts; TAVELO_BINARY times another build of the
# program instead; EARLIER_BINARY times one more build in the same rounds (an
# earlier version, to compare before and after under the same load);
# ENGLISH=1 times the program once more in the same rounds as it starts in
# English (LANGUAGE=en; the others start in Japanese, LANG=C.UTF-8).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${RUNS:-40}

for tool in Xvfb python3; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing (packages xvfb, python3)" >&2; exit 1; }
done
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target tavelo floor xwatch >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "startup.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR
export LANG=C.UTF-8
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

tavelo="${TAVELO_BINARY:-$build/bin/tavelo}"
floor="$build/bin/floor"
watch="$build/bin/xwatch"
# Times one start of a program and adds its line to the runs.
measure() {
    local line
    if ! line=$(LANGUAGE="${language[$1]:-}" "$watch" "${binary[$1]}" 2>>"$work/stderr.log"); then
        echo "startup.sh: timing $1 failed:" >&2
        tail -n 5 "$work/stderr.log" >&2
        exit 1
    fi
    echo "$1 $line" >>"$work/runs"
}

programs=(tavelo floor)
declare -A binary=([tavelo]="$tavelo" [floor]="$floor")
declare -A language=()
if [ -n "${ENGLISH:-}" ]; then
    programs+=(english)
    binary[english]="$tavelo"
    language[english]=en
fi
if [ -n "${EARLIER_BINARY:-}" ]; then
    programs+=(earlier)
    binary[earlier]="$EARLIER_BINARY"
fi

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)  ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'))"
# One start of each first, not counted: it brings the files into the caches.
for name in "${programs[@]}"; do
    measure "$name"
done
: >"$work/runs"
for i in $(seq "$runs"); do
    # Each round starts with another program, so none always follows another.
    n=${#programs[@]}
    for j in $(seq 0 $((n - 1))); do
        name=${programs[$(((i + j) % n))]}
        measure "$name"
    done
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$work/runs" "$runs" <<'PY'
import statistics, sys

runs = {}
for line in open(sys.argv[1]):
    name, mapped, drawn, rss, code = line.split()
    if code != "0":
        sys.exit(f"startup.sh: a run of {name} ended with status {code}")
    runs.setdefault(name, []).append((float(mapped), float(drawn), int(rss) / 1024))

def quartiles(values):
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[2]

columns = [("mapped, ms", 0), ("first frame, ms", 1), ("peak RSS, MB", 2)]
print(f"\n{sys.argv[2]} starts each; median [min-max] (IQR q1-q3)")
print(f"{'':14}" + "".join(f"{title:>34}" for title, _ in columns))
medians = {}
names = [n for n in ("tavelo", "english", "earlier", "floor") if n in runs]
for name in names:
    cells = []
    for title, i in columns:
        values = [r[i] for r in runs[name]]
        med = statistics.median(values)
        medians[(name, i)] = med
        q1, q3 = quartiles(values)
        cells.append(f"{med:8.1f} [{min(values):.1f}-{max(values):.1f}] ({q1:.1f}-{q3:.1f})")
    print(f"{name:14}" + "".join(f"{c:>34}" for c in cells))
for name in names[:-1]:
    print(f"{name + '/floor':14}" + "".join(
        f"{medians[(name, i)] / medians[('floor', i)]:>33.3f}x" for _, i in columns))
if "english" in runs:
    print(f"{'english/tavelo':14}" + "".join(
        f"{medians[('english', i)] / medians[('tavelo', i)]:>33.3f}x" for _, i in columns))
PY
if [ -s "$work/stderr.log" ]; then
    echo "(the programs wrote $(wc -l <"$work/stderr.log") lines to stderr; first: $(head -n1 "$work/stderr.log"))"
fi
