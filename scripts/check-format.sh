#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file differs from what the repository's .clang-format makes of it, or when a
# source file, build file or script does not name its licence in its first comment (an SPDX
# line, https://reuse.software). In a git checkout the tracked files are checked; in a source
# tarball, or where git is missing, the files of the source folders.
set -euo pipefail
cd "$(dirname "$0")/.."
sources=('*.cpp' '*.h' '*.h.in' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' '*.sh' '.ci/run')
if command -v git >/dev/null && [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    list() { git ls-files -z "$@"; }
else
    list() {
        local patterns=() pattern
        for pattern in "$@"; do patterns+=(-o -name "${pattern##*/}"); done
        find . -path ./build -prune -o -type f \( -false "${patterns[@]}" \) -print0
    }
fi
list '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

missing=0
while IFS= read -r -d '' file; do
    if ! head -n 5 "$file" | grep -q 'SPDX-License-Identifier: '; then
        echo "$file: no SPDX-License-Identifier line in its first comment" >&2
        missing=1
    fi
done < <(list "${sources[@]}")
exit $missing
