#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X session with a window manager, while a screen reader listens:
# the session says it has one and a client listens for focus changes, as Orca does, so
# that Qt's accessibility bridge hands every key to the client before the game gets it.
# The keyboard alone plays: Return closes the start message; y on the round-end question
# starts the next round, n on the next one ends the game with status 0. Two rounds of 40 s.
#   screen_reader_test.sh BINARY
set -u
here=$(dirname "$0")
. "$here/harness.sh"
. "$here/x_session.sh"
. "$here/board.sh"
e2e_require
e2e_require_wm
need_screen_reader

binary=$1
listener_pid=
on_exit '[ -n "$listener_pid" ] && kill "$listener_pid"'

# A session bus of the test's own; it starts the accessibility bus when first asked.
start_session_bus "$work/bus"
export DBUS_SESSION_BUS_ADDRESS=$bus_address

# The listener is there before the game starts, as a screen reader started with the desktop.
WAIT=300 "$here/atspi.py" "$DBUS_SESSION_BUS_ADDRESS" listen object:state-changed:focused \
    >"$work/listener.out" 2>&1 &
listener_pid=$!
listener_settled() {
    grep -q listening "$work/listener.out" || ! kill -0 "$listener_pid" 2>/dev/null
}
poll 10 listener_settled
grep -q listening "$work/listener.out" || fail "the listener did not register: $(cat "$work/listener.out")"

e2e_open_game "$binary"
"$here/atspi.py" "$DBUS_SESSION_BUS_ADDRESS" window '^Form1$' >/dev/null \
    || fail "the game is not on the accessibility bus"
xdotool key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"

# Each question is answered once the moment after it appears has passed.
for answer in y n; do
    box=$(question 50) || fail "no round-end question"
    sleep 1
    xdotool key $answer
    e2e_wait_unmapped "$box" || fail "$answer did not answer the question"
    echo "$answer answered the question"
done
e2e_wait_exit || fail "the game did not end after n"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
[ -s "$E2E_GAME_ERR" ] && fail "the game wrote to its error output"
echo "the keyboard played two rounds under a listening screen reader; status 0"
