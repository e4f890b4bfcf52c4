#!/usr/bin/env bash
# Builds the release configuration and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target wellenwerk_bench
exec build/release/bench/wellenwerk_bench "$@"
