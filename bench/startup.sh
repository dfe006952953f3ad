#!/usr/bin/env bash
# Start-up time and memory of the program on the substitute services.
#
#   bench/startup.sh [BUILD_DIR]     (default: build)
#
# Time: from launching `dalmiro --simulator` to its main window painted, shown and enabled
# (the program prints the moment when DALMIRO_EXIT_WHEN_SHOWN=1 is set, then quits); the median
# of 5 runs. Memory: the proportional set size (PSS) and the resident set size (RSS) summed over
# the whole process tree (the browser engine runs helper processes), SETTLE seconds after start,
# beside bench's bare_webview showing the same sign-in page. Runs inside a virtual X server when
# there is no display.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${RUNS:-5}
settle=${SETTLE:-8}

if [ -z "${DISPLAY:-}" ] && [ -z "${BENCH_IN_XVFB:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec env BENCH_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

if [ ! -x "$build/src/dalmiro" ] || [ ! -x "$build/bench/bare_webview" ]; then
    cmake --build "$build" -j2 --target dalmiro bare_webview
fi
dalmiro="$build/src/dalmiro"
bare="$build/bench/bare_webview"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# --- time to the main window ---
times=()
for _ in $(seq "$runs"); do
    start=$(now_ms)
    shown=$(DALMIRO_EXIT_WHEN_SHOWN=1 "$dalmiro" --simulator 2>/dev/null |
        awk '/^DALMIRO_SHOWN_AT_MS/ { print $2 }')
    if [ -z "$shown" ]; then
        echo "startup.sh: the main window was not shown" >&2
        exit 1
    fi
    times+=($((shown - start)))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
echo "window shown and enabled: median ${median} ms over ${runs} runs (${times[*]})"

# --- memory of the process tree ---
descendants() {
    local pid=$1 child
    echo "$pid"
    for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do
        descendants "$child"
    done
}

# Prints "PSS_KB RSS_KB PROCESSES" for the tree under the pid.
tree_memory() {
    local pss=0 rss=0 count=0 pid value
    for pid in $(descendants "$1"); do
        [ -r "/proc/$pid/smaps_rollup" ] || continue
        value=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")
        pss=$((pss + ${value:-0}))
        value=$(awk '/^Rss:/ { print $2 }' "/proc/$pid/smaps_rollup")
        rss=$((rss + ${value:-0}))
        count=$((count + 1))
    done
    echo "$pss $rss $count"
}

# Starts the command, lets it settle, measures its tree, ends it by its pid.
measure() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$settle"
    tree_memory "$pid"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

read -r app_pss app_rss app_procs < <(measure "$dalmiro" --simulator)
read -r bare_pss bare_rss bare_procs < <(measure "$bare" --simulator)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
echo "memory after ${settle} s, PSS: dalmiro $((app_pss / 1024)) MiB (${app_procs} processes)," \
    "bare_webview $((bare_pss / 1024)) MiB (${bare_procs} processes), ratio $(ratio "$app_pss" "$bare_pss")"
echo "memory after ${settle} s, RSS: dalmiro $((app_rss / 1024)) MiB, bare_webview" \
    "$((bare_rss / 1024)) MiB, ratio $(ratio "$app_rss" "$bare_rss")"
echo "targets: window within 1000 ms; memory within 1.20x of the bare view"
