#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs one of them.
#   scripts/fuzz.sh <target> [seconds]      e.g. scripts/fuzz.sh ExpressionFuzz 600
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?which fuzz target? (the *Fuzz.cpp files in fuzz/)}
seconds=${2:-600}
scripts/install-deps.sh
command -v clang++ >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo";
    $sudo apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev; }
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$target"
corpus=build/fuzz/corpus/$target
mkdir -p "$corpus"
seeds=fuzz/seeds/$target
[ -d "$seeds" ] || seeds=
exec build/fuzz/fuzz/"$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" $seeds
