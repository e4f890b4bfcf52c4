# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program by hand: a private Xvfb display with openbox
# as window manager and an empty settings folder, all removed again on exit. The caller
# starts the program and keeps its process id in $app, so that it is ended too.
program=build/ci/wellenwerk
home=$(mktemp -d)
display=:$((70 + RANDOM % 20))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
wm=
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null
    [[ -n $wm ]] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
