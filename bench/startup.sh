#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Wellenwerk against a bare Qt window with a menu and the same client size: the
# time from starting each program to the mapping of its window on a private Xvfb display, in
# alternating runs; prints both medians and the ratio of the medians.
#   bench/startup.sh [pairs]       (default 15; needs the release build's startup targets)
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-15}
cmake --preset release >/dev/null
cmake --build --preset release --target wellenwerk wellenwerk_bare_window wellenwerk_map_timer >/dev/null
timer=build/release/bench/startup/wellenwerk_map_timer
home=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 300); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo -display "$display" >/dev/null 2>&1 || { echo "Xvfb $display did not start" >&2; exit 1; }
export DISPLAY=$display XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=xcb
wellenwerk=() bare=()
"$timer" build/release/wellenwerk >/dev/null # warm the caches
"$timer" build/release/bench/startup/wellenwerk_bare_window >/dev/null
for _ in $(seq "$pairs"); do
    wellenwerk+=("$("$timer" build/release/wellenwerk)")
    bare+=("$("$timer" build/release/bench/startup/wellenwerk_bare_window)")
done
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
w=$(median "${wellenwerk[@]}") b=$(median "${bare[@]}")
echo "Wellenwerk: ${wellenwerk[*]} ms"
echo "bare window: ${bare[*]} ms"
awk -v w="$w" -v b="$b" 'BEGIN {printf "medians: Wellenwerk %.1f ms, bare window %.1f ms, ratio %.2f\n", w, b, w / b}'
