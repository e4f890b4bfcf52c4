#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# A plain configure where GoogleTest and Google Benchmark are missing (hidden from find_package)
# succeeds and leaves the tests and benchmarks out; with WELLENWERK_REQUIRE_DEV_TOOLS, as the
# presets set it, it stops instead.
#   check-configure.sh <cmake> <generator> <source folder>
set -euo pipefail
cmake=$1 generator=$2 source=$3
work=$(mktemp -d /tmp/wellenwerk-configure.XXXXXX)
trap 'rm -rf "$work"' EXIT
missing=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=TRUE -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=TRUE)

"$cmake" -S "$source" -B "$work/plain" -G "$generator" "${missing[@]}" >"$work/plain.log" 2>&1 ||
    { cat "$work/plain.log"; echo "FAIL: plain configure"; exit 1; }
for message in "GTest not found: the tests are skipped" \
    "benchmark not found: the benchmarks are skipped"; do
    grep -qF -- "$message" "$work/plain.log" || { echo "FAIL: no message \"$message\""; exit 1; }
done
"$cmake" --build "$work/plain" --target help >"$work/targets" 2>&1
if grep -E 'wellenwerk_(core_tests|ui_tests|bench)' "$work/targets"; then
    echo "FAIL: test or benchmark targets without their libraries"
    exit 1
fi

if "$cmake" -S "$source" -B "$work/required" -G "$generator" "${missing[@]}" \
    -DWELLENWERK_REQUIRE_DEV_TOOLS=ON >"$work/required.log" 2>&1; then
    echo "FAIL: configured with WELLENWERK_REQUIRE_DEV_TOOLS although GoogleTest is missing"
    exit 1
fi
echo "plain configure without GoogleTest and Google Benchmark: tests and benchmarks skipped"
