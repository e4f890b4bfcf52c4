#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by hand: the program on a private Xvfb display with openbox, driven by the keyboard
# alone (xdotool). It builds the first three harmonics of a square wave (b1 = 127, b3 = 42,
# b5 = 25 in the sine view), deletes the signal, undoes that, and compares the window before
# the deletion with the window after the undo.
#   scripts/e2e-undo.sh [folder for the screenshots]     needs build/ci (cmake --build --preset ci)
set -euo pipefail
cd "$(dirname "$0")/.."
shots=${1:-/work/shots}
mkdir -p "$shots"
source scripts/desktop-session.sh

"$program" >/dev/null 2>&1 &
app=$!
main=$(xdotool search --sync --name '^Wellenwerk V2.5$' | head -1)
# The info dialog of the first activation: OK.
xdotool search --sync --name '^Info$' >/dev/null
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { xdotool type --delay 80 "$1"; sleep 0.3; }
keys Return

# Signal, Neu: the name, OK; the harmonics table opens and is cancelled (a zero series).
keys alt+s n
xdotool search --sync --name '^Neues Signal$' >/dev/null
typed Rechteck
keys Return
xdotool search --sync --name '^Signaleigenschaften$' >/dev/null
keys Escape
# The list has the focus: Space shows the curve.
keys space
# Tab to the upper spectrum (after the eight tool buttons), down to the sine view,
# harmonic 1: Ctrl++ adds 100, * (Shift++ on German keys) and Shift with the keypad + 10, + 1.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Down Right
keys ctrl+plus asterisk shift+KP_Add plus plus plus plus plus plus plus
# Harmonics 3 and 5 typed into "Wert:" (Return goes there, Shift+Tab back).
keys Right Right Return
typed 42
keys shift+Tab Right Right Return
typed 25
keys shift+Tab
import -window "$main" "$shots/undo-1-built.png"

# Signal, Löschen, Ja.
keys alt+s l
sleep 0.5
keys Return
import -window "$main" "$shots/undo-2-deleted.png"

# Ctrl+Z brings it back.
keys ctrl+z
import -window "$main" "$shots/undo-3-undone.png"

differing=$(compare -metric AE "$shots/undo-1-built.png" "$shots/undo-3-undone.png" /dev/null 2>&1 || true)
echo "screenshots in $shots: undo-1-built.png, undo-2-deleted.png, undo-3-undone.png"
echo "pixels differing between before the deletion and after the undo: $differing"
[[ $differing == 0 ]]
