#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the release configuration and makes the Debian package
# build/package/wellenwerk_<version>_<arch>.deb from it; install it with
#   sudo apt install ./build/package/wellenwerk_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target wellenwerk wellenwerk_manpage
rm -rf build/package
cpack --config build/release/CPackConfig.cmake -G DEB -B build/package
rm -rf build/package/_CPack_Packages
ls build/package/*.deb
