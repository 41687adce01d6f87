#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X session with a window manager, while a screen reader listens
# and is slow to answer, as Orca is: the session's accessibility registry, through which
# Qt's bridge hands every key to the reader before the game gets it, is held (SIGSTOP)
# while keys go on, so that the game gets its keys back late, as copies without a time.
# In the first round Return is held from before the round's end until well after the
# question is up, and the question stays open; y then answers it. In the second, n is
# tapped every 60 ms across the round's end until the question is seen, and it stays
# open; n then ends the game with status 0. Two rounds of 40 s.
#   screen_reader_hold_test.sh BINARY
set -u
here=$(dirname "$0")
. "$here/harness.sh"
. "$here/x_session.sh"
. "$here/board.sh"
e2e_require
e2e_require_wm
need_screen_reader

binary=$1

# Until $1 seconds of the round have gone by.
round_at() {
    local wait=$((round_start + $1 - SECONDS))
    [ $wait -le 0 ] || sleep $wait
}

# Whether the question $box is still open, and the game running, half a second after
# the input `$1`.
still_open_after() {
    sleep 0.5
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "$1 ended the game"
    xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' | grep -qx "$box" \
        || fail "$1 answered the question"
    echo "the question is still open after $1"
}

# A session bus of the test's own, and a screen reader listening on it before the game starts.
start_session_bus "$work/bus"
export DBUS_SESSION_BUS_ADDRESS=$bus_address
start_screen_reader

e2e_open_game "$binary"
"$here/atspi.py" "$DBUS_SESSION_BUS_ADDRESS" window '^Form1$' >/dev/null \
    || fail "the game is not on the accessibility bus"
xdotool key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"
round_start=$SECONDS

# The first round: Return held from 2 s before its end until 1.5 s after the question is up.
xdotool mousemove --window "$main" --sync "$(cell_x 0)" "$(cell_y 0)" click 1
round_at 38
hold_registry
xdotool keydown Return
box=$(question 10) || { xdotool keyup Return; fail "no question at the end of the first round"; }
sleep 1.5
xdotool keyup Return
let_registry_go
still_open_after "Return held across the round's end"
xdotool key y
e2e_wait_unmapped "$box" || fail "y did not answer the question"
round_start=$SECONDS
echo "y answered the question"

# The second round: n tapped every 60 ms from 2 s before its end, until the question is seen.
round_at 38
hold_registry
box=
for taps in $(seq 200); do
    xdotool key n
    box=$(question) && break
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "n tapped across the round's end ended the game"
    sleep 0.06
done
[ -n "$box" ] || fail "no question at the end of the second round"
still_open_after "n tapped $taps times across the round's end"
# Meant, and with the registry as slow as before, n answers.
sleep 1
xdotool key n
e2e_wait_exit || fail "n did not end the game"
let_registry_go
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
# Nothing but Qt's bridge saying that the reader did not answer while the registry was held,
# and that its answers came once it was let go.
said=$(grep -v -e '^QSpiApplication::keyEventError .*NoReply' \
    -e '^QSpiApplication::notifyKeyboardListenerCallback with no queued key' "$E2E_GAME_ERR" | grep .)
[ -z "$said" ] || fail "the game said: $said"
echo "n ended the game with status 0"
