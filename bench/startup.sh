#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from launch to the visible main window, and peak memory, for VrhEdit beside a minimal
# Qt Widgets window: medians of 7 runs after one warm-up, both under the same Xvfb.
# Usage: bench/startup.sh            (builds with the release preset first)
#        bench/startup.sh windows    VrhEdit.exe beside the same window built the same way, both
#                                    under wine (the windows preset; memory is wine's process)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}
platform=${1:-linux}

cmake --preset release >/dev/null
cmake --build --preset release --target VrhEdit mapwatch startup_floor >/dev/null
build=build/release
floor_cmd=("$build/bench/startup/startup_floor")
editor_cmd=("$build/editor/app/VrhEdit")
if [[ "$platform" == windows ]]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target VrhEdit startup_floor >/dev/null
    floor_cmd=(/usr/lib/wine/wine64 build/windows/bench/startup/startup_floor.exe)
    editor_cmd=(/usr/lib/wine/wine64 build/windows/editor/app/VrhEdit.exe)
fi

display=:$((90 + RANDOM % 100))
# -noreset: between two runs the server has no client, and a reset then refuses the next.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; [[ "$platform" != windows ]] || wineserver --kill' EXIT
export DISPLAY=$display
export XDG_RUNTIME_DIR=$(mktemp -d)
# Settings and recovery files of the runs' own: nothing the user keeps is read or offered.
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config XDG_DATA_HOME=$XDG_RUNTIME_DIR/data
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if [[ "$platform" == windows ]]; then
    # A wine of the runs' own, started on this display.
    export WINEPREFIX=$XDG_RUNTIME_DIR/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    wineserver --persistent
    wineboot --init 2>/dev/null
fi

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

floor_title="Floor"
editor_title="[Untitled] - Varnhold: Levelset Editor"
watch() { "$build/bench/startup/mapwatch" "$@" 2>/dev/null; }
if [[ "$platform" == windows ]]; then
    # Wine names its windows after mapping them: the time is to the first shown window of that
    # name, polled every 10 ms; the memory is not the program's own, so none is given.
    watch() { # title command...
        local title=$1 started pid
        shift
        started=$(date +%s%N)
        "$@" >/dev/null 2>&1 &
        pid=$!
        until xdotool search --onlyvisible --name "^$(sed 's/[][().*]/\\&/g' <<<"$title")\$" >/dev/null 2>&1; do
            sleep 0.01
        done
        echo "$(( ($(date +%s%N) - started) / 1000000 )) 0"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    }
fi

# The editor once more with tile pictures remembered from an earlier run: a full 128 x 512 sheet.
tiles_config=$XDG_RUNTIME_DIR/tiles-config
mkdir -p "$tiles_config/VrhEdit"
cp "$build/editor/assets/art/tiles.png" "$XDG_RUNTIME_DIR/mine.png"
printf '[General]\ntilePictures=%s\n' "$XDG_RUNTIME_DIR/mine.png" >"$tiles_config/VrhEdit/VrhEdit.conf"
watch_tiles() { XDG_CONFIG_HOME=$tiles_config watch "$@"; }

# One warm-up each, then in turn, so that drift in the machine's speed hits all alike.
watch "$floor_title" "${floor_cmd[@]}" >/dev/null
watch "$editor_title" "${editor_cmd[@]}" >/dev/null
floor_out="" editor_out="" tiles_out=""
for _ in $(seq "$runs"); do
    floor_out+="$(watch "$floor_title" "${floor_cmd[@]}")"$'\n'
    editor_out+="$(watch "$editor_title" "${editor_cmd[@]}")"$'\n'
    if [[ "$platform" != windows ]]; then
        tiles_out+="$(watch_tiles "$editor_title" "${editor_cmd[@]}")"$'\n'
    fi
done

report() { # name output
    local ms kib
    ms=$(awk 'NF {print $1}' <<<"$2" | median)
    kib=$(awk 'NF {print $2}' <<<"$2" | median)
    if [[ "$platform" == windows ]]; then
        printf '%-30s %10s ms\n' "$1" "$ms"
        return
    fi
    printf '%-30s %10s ms %10.1f MiB\n' "$1" "$ms" "$(awk -v k="$kib" 'BEGIN{print k/1024}')"
}

echo "median of $runs runs: time to the mapped main window, peak resident memory"
report floor "$floor_out"
report VrhEdit "$editor_out"
[[ "$platform" == windows ]] || report "VrhEdit, loaded tile pictures" "$tiles_out"
