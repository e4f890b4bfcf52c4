#!/usr/bin/env bash
# Fails when a C++ file differs from what the repository's .clang-format makes of it. In a git
# checkout the tracked files are checked; in a source tarball, or where git is missing, the
# C++ files of the source folders.
set -euo pipefail
cd "$(dirname "$0")/.."
if command -v git >/dev/null && [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    git ls-files -z '*.cpp' '*.h'
else
    find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format --dry-run --Werror
