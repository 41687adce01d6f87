#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's icon reaches the window system: the main window and the start message
# carry it (_NET_WM_ICON), built in, at the small sizes a task bar and a title bar
# draw, though no icon theme knows it. The game is given its display by Qt's own option, -display.
#   icon_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
e2e_require
need xprop x11-utils

binary=$1


# The sizes of the window's icons, as "16x16" one a line.
icon_sizes() {
    xprop -id "$1" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)):.*/\1x\2/p'
}

e2e_start_xvfb
e2e_start_game env -u DISPLAY XDG_DATA_DIRS="$work/no-icon-theme" "$binary" -display "$DISPLAY"

start=$(e2e_window '^ルミタク$')
[ -n "$start" ] || fail "no start message"
main=$(e2e_window '^Form1$')
[ -n "$main" ] || fail "no game window"

for window in "$main" "$start"; do
    sizes=$(icon_sizes "$window" | sort -n | tr '\n' ' ')
    for size in 16x16 32x32 48x48; do
        [[ " $sizes" == *" $size "* ]] ||
            fail "window $(xdotool getwindowname "$window") has no $size icon, only: ${sizes:-none}"
    done
done
echo "both windows carry the icon: $sizes"
