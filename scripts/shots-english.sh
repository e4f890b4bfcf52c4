#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by hand: the program in English (an English locale) on a private Xvfb display with
# openbox, driven by the keyboard; a picture of the main window and of each dialog, to look
# for texts cut off or overlapping.
#   scripts/shots-english.sh [folder for the screenshots]   needs build/ci (cmake --build --preset ci)
set -euo pipefail
cd "$(dirname "$0")/.."
shots=${1:-/work/shots}
mkdir -p "$shots"
source scripts/desktop-session.sh
export LANG=en_GB.UTF-8 LC_ALL=

keys() { xdotool key --delay 80 "$@"; sleep 0.4; }
# Waits for the window titled $1 and saves its picture as english-$2.png.
shot() {
    local id
    id=$(xdotool search --sync --name "^$1\$" | head -1)
    sleep 0.5
    import -window "$id" "$shots/english-$2.png"
}

"$program" >/dev/null 2>&1 &
app=$!
shot 'Info' info
keys Return
# A signal of each kind: its editor, then Cancel.
keys alt+s n
shot 'New signal' newsignal
xdotool type --delay 60 Square
keys Return
shot 'Signal properties' table-editor
keys Escape
# The kind chosen with a click on its radio button.
for kind in waveform:111 formula:132; do
    keys alt+s n
    dialog=$(xdotool search --sync --name '^New signal$' | head -1)
    xdotool type --delay 60 "${kind%%:*}"
    xdotool mousemove --window "$dialog" 25 "${kind##*:}" click 1
    sleep 0.3
    keys Return
    shot 'Signal properties' "${kind%%:*}-editor"
    keys Escape
done
keys alt+t s
shot 'Settings' settings
# The page with the language.
xdotool mousemove --window "$(xdotool search --name '^Settings$' | head -1)" 130 170 click 1
sleep 0.5
import -window "$(xdotool search --name '^Settings$' | head -1)" "$shots/english-settings-language.png"
keys Escape
# Signal, Save sound: the last item of the menu.
keys alt+s Up Return
shot 'Save sound as ...' savesound
keys Escape
shot 'Wellenwerk V2.5' mainwindow
# A message: the formula editor refuses a formula it cannot read.
keys alt+s n
xdotool type --delay 60 wrong
xdotool mousemove --window "$(xdotool search --sync --name '^New signal$' | head -1)" 25 132 click 1
sleep 0.3
keys Return
xdotool mousemove --window "$(xdotool search --sync --name '^Signal properties$' | head -1)" \
    245 205 click 1
xdotool type --delay 60 '2*/x'
keys Return
sleep 1
import -window root "$shots/english-message.png"
keys Return Escape
# The help, from the menu: Help, Contents.
keys alt+h Return
sleep 1
import -window root "$shots/english-help.png"
echo "screenshots in $shots: english-*.png"
