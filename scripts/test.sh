#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting, builds everything with warnings treated as
# errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci -j2
