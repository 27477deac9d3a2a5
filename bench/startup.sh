#!/usr/bin/env bash
# Time from launch to the visible main window, and peak memory, for VrhEdit beside a minimal
# Qt Widgets window: medians of 7 runs after one warm-up, both under the same Xvfb.
# Usage: bench/startup.sh   (builds with the release preset first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}

cmake --preset release >/dev/null
cmake --build --preset release --target VrhEdit mapwatch startup_floor >/dev/null
build=build/release

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
export XDG_RUNTIME_DIR=$(mktemp -d)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

measure() { # name title command...
    local name=$1 title=$2
    shift 2
    "$build/bench/startup/mapwatch" "$title" "$@" >/dev/null 2>&1 # warm-up
    local out
    out=$(for _ in $(seq "$runs"); do "$build/bench/startup/mapwatch" "$title" "$@" 2>/dev/null; done)
    local ms kib
    ms=$(awk '{print $1}' <<<"$out" | median)
    kib=$(awk '{print $2}' <<<"$out" | median)
    printf '%-10s %10s ms %10.1f MiB\n' "$name" "$ms" "$(awk -v k="$kib" 'BEGIN{print k/1024}')"
}

echo "median of $runs runs: time to the mapped main window, peak resident memory"
measure floor "Floor" "$build/bench/startup/startup_floor"
measure VrhEdit "[Untitled] - Varnhold: Levelset Editor" "$build/editor/VrhEdit"
