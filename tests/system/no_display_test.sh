#!/bin/sh
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with no display, the game says so in one line and exits with status 1 (not an abort).
binary=$1
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=/tmp "$binary" 2>&1 >/dev/null)
status=$?
lines=$(printf '%s\n' "$err" | grep -c .)
if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! printf '%s' "$err" | grep -q 'rumitaku: .*display'; then
    echo "status $status, $lines lines:"
    printf '%s\n' "$err"
    exit 1
fi
