#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game on a Wayland desktop's compositor, mutter or KWin, nested in a private Xvfb
# that takes the player's input (wayland_desktop.sh), while a screen reader listens and is
# slow to answer: the session's accessibility registry, through which Qt's bridge hands every
# key to the reader before the game gets it, is held (SIGSTOP) while Return is held from
# before the round's end until well after the question is up. The question stays open and
# the game running; n pressed after it ends the game with status 0. One round of 40 s.
#   screen_reader_hold_on_wayland_test.sh mutter|kwin GAME
set -uo pipefail
here=$(dirname "$0")
compositor=$1 game=$2
. "$here/harness.sh"
. "$here/x_session.sh"
. "$here/wayland_desktop.sh"
wayland_desktop_require "$compositor"
need_screen_reader

wayland_desktop_start "$compositor"
start_screen_reader
wayland_desktop_game "$game"

wait_keyboard_on_box 1 || fail "the start message did not get the keyboard"
xdotool key Return
round_start=$SECONDS
wayland_desktop_board

# Return held from 2 s before the round's end until 1.5 s after the question is up.
xdotool mousemove --sync $((board_x + 15)) $((board_y + 15)) click 1
wait=$((round_start + 38 - SECONDS))
[ $wait -le 0 ] || sleep $wait
hold_registry
xdotool keydown Return
for tries in $(seq 100); do
    [ -n "$(surface_of 2 ルミタク)" ] && break
    sleep 0.1
done
[ -n "$(surface_of 2 ルミタク)" ] || { xdotool keyup Return; fail "no question at the round's end"; }
sleep 1.5
xdotool keyup Return
let_registry_go
sleep 0.5
kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "Return held across the round's end ended the game"
toplevel_gone 2 ルミタク && fail "Return held across the round's end answered the question"
echo "the question is still open after Return held across the round's end"

wait_keyboard_on_box 2 || fail "the question did not get the keyboard"
xdotool key n
e2e_wait_exit || fail "n did not end the game"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
# Nothing but the protocol log; Qt's bridge saying that the reader did not answer while the
# registry was held, and that its answers came once it was let go; and, from Qt 6.8 on, the
# Wayland plugin's word that the compositor took the text input away from a message box already gone.
said=$(grep -v -e '^\[' -e '^QSpiApplication::keyEventError .*NoReply' \
    -e '^QSpiApplication::notifyKeyboardListenerCallback with no queued key' \
    -e '^qt\.qpa\.wayland\.textinput: .* Got leave event for surface 0x0 ' "$log" | grep .)
[ -z "$said" ] || fail "the game said: $said"
echo "n ended the game with status 0 on $compositor"
