#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by hand: kills a program that saves a project file over and over with SIGKILL at random
# moments, then counts the files left in the folder and checks that each is whole.
#   scripts/kill-save-check.sh [rounds]     needs build/ci (cmake --build --preset ci)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-500}
work=$(mktemp -d /tmp/wellenwerk-kill.XXXXXX)
trap 'rm -rf "$work"' EXIT
cat >"$work/saver.cpp" <<'CPP'
#include "project/IniFile.h"
#include <string>
int main(int argc, char** argv) {
    IniFile ini;
    for (int i = 0; i < 20000; ++i) ini.Write("signals", std::to_string(i), std::string(40, 'x'));
    do ini.SaveFileAtomically(argv[1]);
    while (argc < 3);
}
CPP
# The project layer and the layers below it, as the build links them.
c++ -std=c++20 -O2 -Isrc "$work/saver.cpp" build/ci/src/project/libwellenwerk_project.a \
    build/ci/src/formula/libwellenwerk_formula.a build/ci/src/signal/libwellenwerk_signal.a \
    build/ci/src/text/libwellenwerk_text.a -o "$work/saver"
"$work/saver" "$work/expected.wwp" once
mkdir "$work/folder"
for ((i = 0; i < rounds; i++)); do
    "$work/saver" "$work/folder/p.wwp" &
    sleep "0.0$((RANDOM % 90 + 10))"
    kill -9 $!
    wait $! 2>/dev/null || true
done
echo "$rounds saves killed; files in the folder: $(ls -A "$work/folder" | wc -l) (p.wwp alone is 1)"
# A kill between linking the finished file under its temporary name and renaming it over the
# target leaves that name behind (Linux has no link that replaces a file) until the next save.
for file in "$work/folder"/.??* "$work/folder"/*; do
    [[ -e $file ]] || continue
    cmp -s "$work/expected.wwp" "$file" && echo "  ${file##*/}: whole" || echo "  ${file##*/}: BROKEN"
done
