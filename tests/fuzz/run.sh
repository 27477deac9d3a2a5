#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets and runs each for the given seconds (default 60) on a copy of the
# committed seed corpus. Any finding fails the run; its input is kept under build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in build/fuzz/tests/fuzz/*_fuzz; do
    name=$(basename "$target")
    work=$(mktemp -d)
    log=build/fuzz/$name.log
    cp tests/fuzz/corpus/*/* "$work"/
    if ! "$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/"$name"- "$work" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$name: finding after fuzzing; input kept as build/fuzz/$name-*"
        exit 1
    fi
    echo "$name: $(grep -m1 -o 'number_of_executed_units: [0-9]*' "$log") in $seconds s, no finding"
    rm -rf "$work"
done
