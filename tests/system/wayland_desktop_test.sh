#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game on a Wayland desktop's compositor, mutter or KWin, nested in a private Xvfb
# that takes the player's input (wayland_desktop.sh). Return closes the start message; the player clicks the board every 100 ms until the
# round-end question is up, and the question has the keyboard all the same; Alt+F4 on it
# leaves it open and the game running; n ends the game with status 0. One round of 40 s.
#   wayland_desktop_test.sh mutter|kwin GAME
set -uo pipefail
here=$(dirname "$0")
compositor=$1 game=$2
. "$here/harness.sh"
. "$here/x_session.sh"
. "$here/wayland_desktop.sh"
wayland_desktop_require "$compositor"
wayland_desktop_start "$compositor"
wayland_desktop_game "$game"

wait_keyboard_on_box 1 || fail "the start message did not get the keyboard"
xdotool key Return
wayland_desktop_board

# A click on the board, unless the round-end question is up: then it is done.
click_until_question() {
    [ -n "$(surface_of 2 ルミタク)" ] && return 0
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended under the clicks"
    xdotool click 1
    clicks=$((clicks + 1))
    return 1
}

# A click every 100 ms, each after a look whether the question is up.
xdotool mousemove --sync $((board_x + 15)) $((board_y + 15))
clicks=0
poll 60 click_until_question || fail "no round-end question after 60 s of clicks"
echo "the question came up after $clicks clicks on the board"
wait_keyboard_on_box 2 || fail "the question did not get the keyboard"

# Past the moment after it appeared, when input answers it: the question shows nothing
# when it is over.
sleep 1
xdotool key alt+F4
# Nothing shows that Alt+F4 did nothing: a second for it to close the question, were it to.
sleep 1
kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "Alt+F4 on the question ended the game"
[ "$(surface_of 2 ルミタク)" = "$(keyboard_on)" ] || fail "Alt+F4 took the keyboard from the question"
echo "Alt+F4 left the question open"
xdotool key n
e2e_wait_exit || fail "n did not end the game"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
# Nothing but the protocol log and, from Qt 6.8 on, the Wayland plugin's word that the
# compositor took the text input away from a message box already gone.
said=$(grep -v -e '^\[' -e '^qt\.qpa\.wayland\.textinput: .* Got leave event for surface 0x0 ' "$log" | grep .)
[ -z "$said" ] || fail "the game said: $said"
echo "n ended the game with status 0 on $compositor"
