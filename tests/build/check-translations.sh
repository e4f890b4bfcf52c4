#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over the sources into a copy of each translation file: a text the user sees
# without a translation (unfinished) or a translation no source uses any longer (obsolete or
# vanished) fails.
#   check-translations.sh <lupdate> <source folder>
set -euo pipefail
lupdate=$1 source=$2
work=$(mktemp -d /tmp/wellenwerk-translations.XXXXXX)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -locations none "$source/src" -ts "$copy" >"$work/lupdate.log" 2>&1 ||
        { cat "$work/lupdate.log"; echo "FAIL: lupdate on $ts"; exit 1; }
    if grep -n -B2 -E 'type="(unfinished|obsolete|vanished)"' "$copy"; then
        echo "FAIL: $(basename "$ts") has entries unfinished or no longer used (above)"
        status=1
    fi
done
exit $status
