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
need dbus-daemon dbus-daemon
need /usr/libexec/at-spi-bus-launcher at-spi2-core
need /usr/bin/python3 python3
/usr/bin/python3 -c 'import dbus' 2>/dev/null || need python3-dbus-module python3-dbus

binary=$1
listener_pid= registry= registry_held=
on_exit '[ -n "$listener_pid" ] && kill "$listener_pid"'
on_exit '[ -n "$registry_held" ] && kill -CONT "$registry"'

# Until $1 seconds of the round have gone by.
round_at() {
    local wait=$((round_start + $1 - SECONDS))
    [ $wait -le 0 ] || sleep $wait
}

hold_registry() { kill -STOP "$registry" && registry_held=1; }
let_registry_go() { kill -CONT "$registry" && registry_held=; }

# Whether the question $box is still open, and the game running, half a second after
# the input `$1`.
still_open_after() {
    sleep 0.5
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "$1 ended the game"
    xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' | grep -qx "$box" \
        || fail "$1 answered the question"
    echo "the question is still open after $1"
}

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
registry=$("$here/atspi.py" "$DBUS_SESSION_BUS_ADDRESS" registry) || fail "no accessibility registry"

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
