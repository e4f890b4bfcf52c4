#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages Wellenwerk needs to build, run and test, if missing.
set -euo pipefail
packages=(cmake g++ ninja-build clang-format qt6-base-dev qt6-multimedia-dev qt6-svg-dev
          qt6-translations-l10n qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools libgtest-dev libbenchmark-dev fonts-liberation2
          xvfb xauth openbox xdotool pulseaudio pulseaudio-utils sox librsvg2-bin
          dpkg-dev file appstream desktop-file-utils shared-mime-info man-db)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
