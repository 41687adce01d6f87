#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop session ends while the game waits at one of its message boxes. Under the X
# session manager xsm, whose one client is the game, the player shuts the session down
# (Immediately, and With Checkpoint) with the start message open, and With Checkpoint with
# the round-end question open: each time the game ends within seconds with status 0, and
# the session manager with it. Plays one round of 40 s.
#   logout_test.sh BINARY
set -u
game=$(realpath "$1")
. "$(dirname "$0")/x_session.sh"
e2e_require
e2e_require_wm
need xsm x11-session-utils

e2e_start_xvfb
e2e_start_wm
mkdir -p -m 700 "$work/runtime"
xsm_pid=

# The game as the session starts it, its exit status noted in $work/status.
cat >"$work/client" <<END
#!/bin/sh
echo \$\$ >'$work/client.pid'
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR='$work/runtime' '$game' >'$E2E_GAME_OUT' 2>'$E2E_GAME_ERR' &
echo \$! >'$work/game.pid'
wait \$!
echo \$? >'$work/status'
END
chmod +x "$work/client"

# xsm with a home of its own, with no saved session, starts the clients of its startup
# file: the game. Sets xsm_pid, E2E_GAME_PID, main and start (the game's windows).
start_session() {
    local home=$work/home-$1
    mkdir -p "$home"
    echo "$work/client" >"$home/.xsmstartup"
    rm -f "$work/game.pid" "$work/status"
    # The game finds the session's ICE authority where xsm puts it: in the runtime directory.
    HOME=$home XDG_RUNTIME_DIR=$work/runtime xsm >"$work/xsm.log" 2>&1 &
    xsm_pid=$!
    wait_until 20 test -s "$work/game.pid"
    E2E_GAME_PID=$(cat "$work/game.pid")
    start=$(e2e_window '^ルミタク$')
    [ -n "$start" ] || fail "no start message"
    main=$(e2e_window '^Form1$')
    [ -n "$main" ] || fail "no game window"
}
# Before the game: the client would note its status in a folder on its way out.
on_exit '[ -n "$xsm_pid" ] && kill "$xsm_pid" "$(cat "$work/client.pid")" 2>/dev/null'

# The inner windows of an Athena window (each button, label and text field is one), one a
# line: X Y WIDTH HEIGHT on the screen, sorted top to bottom and left to right.
parts() {
    xwininfo -tree -id "$1" | awk '$NF ~ /^\+-?[0-9]+\+-?[0-9]+$/ && $(NF-1) ~ /^[0-9]+x[0-9]+/ {
            split($(NF-1), size, /[x+]/); split($NF, at, "+"); print at[2], at[3], size[1], size[2] }' \
        | sort -n -k2,2 -k1,1
}

# The menu xsm pops up beneath the button at X Y W H: its place and size.
menu_below() {
    xwininfo -root -children | awk -v x="$1" -v y=$(($2 + $4)) '$NF ~ /^\+[0-9]+\+[0-9]+$/ {
            split($(NF-1), size, /[x+]/); split($NF, at, "+")
            if (at[2] >= x - 5 && at[2] <= x + 5 && at[3] >= y - 5 && at[3] <= y + 10) print at[2], at[3], size[1], size[2] }' \
        | head -n 1 | grep .
}

click_in() {
    xdotool mousemove --sync $(($1 + $3 / 2)) $(($2 + $4 / 2)) sleep 0.2 click 1
}

# Shuts the session down from xsm's window as a player does: presses Shutdown, its bottom
# right button, and lets go on the menu's entry Immediately or With Checkpoint. A
# checkpoint asks for the session's name first, and its own Shutdown button, bottom left.
shut_down() {
    local window X Y W H dialog
    window=$(E2E_WINDOW_PID='' e2e_window '^xsm: ')
    [ -n "$window" ] || fail "no window of xsm"
    xdotool windowactivate --sync "$window"
    read -r X Y W H < <(parts "$window" | tail -n 1)
    xdotool mousemove --sync $((X + W / 2)) $((Y + H / 2)) mousedown 1
    wait_until 10 menu_below "$X" "$Y" "$W" "$H" >/dev/null
    read -r X Y W H < <(menu_below "$X" "$Y" "$W" "$H")
    case $1 in
        immediately) xdotool mousemove --sync $((X + W / 2)) $((Y + H * 3 / 4)) sleep 0.2 mouseup 1 ;;
        checkpoint)
            xdotool mousemove --sync $((X + W / 2)) $((Y + H / 4)) sleep 0.2 mouseup 1
            dialog=$(E2E_WINDOW_PID='' e2e_window '^Shutdown$')
            [ -n "$dialog" ] || fail "xsm did not ask for the session's name"
            # The parts: the dialog's own frame, then Session name and its field.
            click_in $(parts "$dialog" | sed -n 3p)
            xdotool type rumitaku
            click_in $(parts "$dialog" | tail -n 3 | head -n 1) ;;
    esac
}

question_shown() {
    xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' >/dev/null 2>&1
}

# The game and the session manager end within 10 s of the shutdown, the game with status 0.
expect_logout() {
    poll 10 test -s "$work/status" || fail "$1: the game still runs 10 s after the session's end"
    [ "$(cat "$work/status")" = 0 ] || fail "$1: the game ended with status $(cat "$work/status")"
    poll 10 eval '! kill -0 "$xsm_pid" 2>/dev/null' || fail "$1: the session manager still waits"
    wait "$xsm_pid" 2>/dev/null
    xsm_pid= E2E_GAME_PID=
    echo "ok: $1"
}

start_session start-now
shut_down immediately
expect_logout "shut down Immediately at the start message"

start_session start-checkpoint
shut_down checkpoint
expect_logout "shut down With Checkpoint at the start message"

start_session question
xdotool windowfocus --sync "$start" key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"
poll 50 question_shown || fail "no question at the end of the round"
shut_down checkpoint
expect_logout "shut down With Checkpoint at the round-end question"
