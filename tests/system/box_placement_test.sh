#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The message boxes over their window, under a window manager that frames and places them
# (openbox or xfwm4), on two monitors scaled 1× and 2× as KDE Plasma sets them on X11
# (QT_SCREEN_SCALE_FACTORS="L=1;R=2;"). The window moved while the start message is up: the
# message moves with it. The player moves the message, then the window: the message stays
# where the player put it. The window left straddling the monitors' edge, most of it on the
# monitor scaled 2×: the round-end question opens over the window, drawn at 2×. One round.
#   box_placement_test.sh openbox|xfwm4 BINARY
set -u
here=$(dirname "$0")
. "$here/harness.sh"
. "$here/x_session.sh"
wm=$1 binary=$2
e2e_require
e2e_require_wm
need xrandr x11-xserver-utils
case $wm in
    openbox) ;;
    xfwm4) need xfwm4 xfwm4 && need dbus-daemon dbus-daemon ;;
    *) echo "usage: box_placement_test.sh openbox|xfwm4 BINARY" >&2; exit 2 ;;
esac

E2E_SCREEN=3200x1200x24 e2e_start_xvfb
# Two monitors side by side on the one screen, the left one in place of the screen's own.
xrandr --setmonitor L 1280/338x1200/317+0+0 screen >/dev/null &&
    xrandr --setmonitor R 1920/508x1200/317+1280+0 none >/dev/null || fail "xrandr could not set the monitors"

if [ "$wm" = openbox ]; then
    e2e_start_wm
else
    # Xfce's window manager, with its settings (xfconf, on a session bus of the test's own)
    # and its cache in the test's folder, and without its compositor, under which Xvfb's
    # screenshots show nothing right of the first monitor. It knows only the monitors that
    # have an output, here the left one: a box put on the right one, it moves onto the left
    # one as it takes it.
    export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
    start_session_bus "$work/bus"
    DBUS_SESSION_BUS_ADDRESS=$bus_address xfwm4 --compositor=off >"$work/wm.log" 2>&1 &
    E2E_WM_PID=$!
    unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME
    poll 10 e2e_wm_settled && e2e_wm_managing || { cat "$work/wm.log"; fail "xfwm4 did not start"; }
fi

e2e_start_game env QT_SCREEN_SCALE_FACTORS="L=1;R=2;" "$binary"
start=$(e2e_window '^ルミタク$')
[ -n "$start" ] || fail "no start message"
main=$(e2e_window '^Form1$')
[ -n "$main" ] || fail "no game window"

# Sets X Y W H to a window's inside on the screen.
rect_of() {
    read -r X Y W H < <(e2e_rect "$1")
}

# Whether the start message stands at X,Y, give or take a pixel.
box_at() {
    rect_of "$start"
    [ $((X - $1)) -ge -1 ] && [ $((X - $1)) -le 1 ] && [ $((Y - $2)) -ge -1 ] && [ $((Y - $2)) -le 1 ]
}

# Where the start message stands from the window's inside: sets DX DY.
box_from_window() {
    rect_of "$main"
    local wx=$X wy=$Y
    rect_of "$start"
    DX=$((X - wx)) DY=$((Y - wy))
}

# Moves the window to X,Y and waits until it stands there, and the game has had its move:
# the message has followed by then, or will not.
move_window() {
    xdotool windowmove "$main" "$1" "$2"
    wait_until 5 window_at "$1" "$2"
    sleep 1
}

window_at() {
    rect_of "$main"
    [ "$X" = "$1" ] && [ "$Y" = "$2" ]
}

window_sized() {
    rect_of "$main"
    [ "${W}x$H" = "$1" ]
}

# The window placed, the message over it, where the window manager and the game left them.
# The game centres the message on the window again as it follows: it may come a frame's
# height nearer the centre than Qt put it before the window manager framed it.
sleep 1
box_from_window
before_x=$DX before_y=$DY
move_window 500 300
box_from_window
[ $((DX - before_x)) -ge -30 ] && [ $((DX - before_x)) -le 30 ] &&
    [ $((DY - before_y)) -ge -30 ] && [ $((DY - before_y)) -le 30 ] ||
    fail "the window moved to 500,300, the start message stands at $DX,$DY from it; it stood at $before_x,$before_y"
echo "ok: the start message moves with the window"

xdotool windowmove "$start" 40 700
wait_until 5 box_at 40 700
move_window 300 120
box_at 40 700 || fail "the start message left the place the player gave it for $X,$Y as the window moved"
echo "ok: moved by the player, it stays where the player put it"

xdotool windowfocus --sync "$start" key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"

# Most of the window on the monitor scaled 2×, where the game draws it twice the size.
xdotool windowmove "$main" 1000 100
wait_until 5 window_sized 1406x1008

question=$(timeout 60 xdotool search --sync --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' | head -n 1)
[ -n "$question" ] || fail "no round-end question within 60 s"

# Over the window: wholly inside it, once the window manager and the game are done with it.
over_window() {
    rect_of "$main"
    local wx=$X wy=$Y ww=$W wh=$H
    rect_of "$question"
    [ "$X" -ge "$wx" ] && [ $((X + W)) -le $((wx + ww)) ] && [ "$Y" -ge "$wy" ] && [ $((Y + H)) -le $((wy + wh)) ]
}
poll 5 over_window || fail "the question (${W}x$H at $X,$Y) is not over the window ($(e2e_rect "$main"))"
echo "ok: the question opens over the window"

# Drawn at 2×: its prompt, the dark pixels of its upper part, spans some 400 pixels; at 1× some
# 200, in a box of the same size.
prompt_width() {
    e2e_shot "$question" "$work/question.png" || return 1
    convert "$work/question.png" -crop "100%x40%+0+0" +repage -threshold 50% -negate -trim \
        -format '%w' info: 2>/dev/null
}
drawn_at_2x() {
    width=$(prompt_width) && [ "${width:-0}" -ge 300 ]
}
poll 5 drawn_at_2x || fail "the question (${W}x$H) is drawn at 1×: its prompt is ${width:-no} pixels wide"
echo "ok: drawn at 2×, its monitor's scale"
