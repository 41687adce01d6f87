#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on two monitors of different scale factors, as KDE Plasma sets them on X11
# (QT_SCREEN_SCALE_FACTORS="L=1;R=2;"): moved from the left monitor to the right one, the
# window shows whole at twice the size, the speed buttons at the bottom right in sight;
# moved back, it is as it was.
#   mixed_scale_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
e2e_require
need xrandr x11-xserver-utils

binary=$1

E2E_SCREEN=3200x1200x24 e2e_start_xvfb
# Two monitors side by side on the one screen, the left one in place of the screen's own.
xrandr --setmonitor L 1280/338x1200/317+0+0 screen >/dev/null &&
    xrandr --setmonitor R 1920/508x1200/317+1280+0 none >/dev/null || fail "xrandr could not set the monitors"
[ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] || fail "not two monitors: $(xrandr --listmonitors)"

e2e_start_game env QT_SCREEN_SCALE_FACTORS="L=1;R=2;" "$binary"
start=$(e2e_window '^ルミタク$')
[ -n "$start" ] || fail "no start message"
main=$(e2e_window '^Form1$')
[ -n "$main" ] || fail "no game window"
xdotool windowfocus --sync "$start" key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"

# Moves the window to X,Y and waits until it is W×H.
move_to() {
    xdotool windowmove "$main" "$1" "$2"
    poll 5 sized "$3" || fail "moved to $1,$2, the window is ${WIDTH}x$HEIGHT, not $3"
}

# Whether the window is W×H; sets WIDTH and HEIGHT.
sized() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "${WIDTH}x$HEIGHT" = "$1" ]
}

# The colour at the logical pixel X,Y of the window, of the last screenshot, at a scale.
pixel() {
    convert "$work/shot.png" -crop "1x1+$(($1 * $3))+$(($2 * $3))" +repage -depth 8 txt:- |
        awk 'NR == 2 { print substr($3, 2, 6) }'
}

# Each speed button's colour near its top left corner, inside its edge, where no text is.
speed_buttons_show() {
    e2e_shot "$main" "$work/shot.png" || fail "no screenshot of the window"
    [ "$(pixel 516 412 "$1")" = 8080FF ] && [ "$(pixel 580 412 "$1")" = FFFF00 ] &&
        [ "$(pixel 644 412 "$1")" = FF8080 ]
}

# The window takes its size first and is drawn at the new scale after it.
move_to 1300 40 1406x1008
poll 5 speed_buttons_show 2 || fail "on the monitor scaled 2×, the speed buttons are out of sight"
echo "ok: whole at 2×"
move_to 100 40 703x504
poll 5 speed_buttons_show 1 || fail "back on the monitor scaled 1×, the speed buttons are out of sight"
echo "ok: whole at 1× again"
