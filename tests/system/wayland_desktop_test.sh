#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game on a Wayland desktop's compositor, mutter or KWin, nested in a private Xvfb:
# input is the player's, sent through XTEST to the Xvfb, which the compositor passes on as
# its own; the board is found in the Xvfb's pixels; which of the game's windows stand and
# which has the keyboard is read off the game's side of the protocol (WAYLAND_DEBUG).
# Return closes the start message; the player clicks the board every 100 ms until the
# round-end question is up, and the question has the keyboard all the same; Alt+F4 on it
# leaves it open and the game running; n ends the game with status 0. One round of 40 s.
#   wayland_desktop_test.sh mutter|kwin GAME
set -uo pipefail
here=$(dirname "$0")
compositor=$1 game=$2
. "$here/harness.sh"
. "$here/x_session.sh"
need Xvfb xvfb
need xauth xauth
need xdotool xdotool
need import imagemagick
need dbus-daemon dbus-daemon
need_qt_wayland
case $compositor in
    mutter)
        need mutter mutter
        # Nested in the Xvfb as a window of it; mutter 48 can, newer ones (51 on Debian
        # unstable) run only on a display's hardware or headless, where no input comes from outside.
        if ! mutter --help 2>&1 | grep -q -- --nested; then
            echo "SKIPPED: $(mutter --version | head -n 1) has no nested mode, so it cannot run inside the test's X server"
            exit 77
        fi
        ;;
    kwin)
        need kwin_wayland kwin-wayland
        # Nested in the Xvfb, as mutter is, rather than on its virtual backend, which takes
        # no input from outside.
        if ! kwin_wayland --version >/dev/null 2>&1; then
            reason=$(kwin_wayland --version 2>&1 | tail -n 1 | sed 's/.*: //')
            caps=$(getcap "$(command -v kwin_wayland)" 2>/dev/null | awk '{ print $NF }')
            [ -n "$caps" ] && reason="$reason: its binary carries the file capability $caps, which is not in the
                capability bounding set of this machine's processes, so the kernel refuses to execute it"
            echo "SKIPPED: kwin_wayland cannot be started on this machine ($reason)" | tr -s ' \n' ' '
            echo
            exit 77
        fi
        ;;
    *) echo "usage: wayland_desktop_test.sh mutter|kwin GAME" >&2; exit 2 ;;
esac

runtime=$work/wayland-runtime
log=$work/game.log
socket=rumitaku-test-$$
compositor_pid=
on_exit '[ -n "$compositor_pid" ] && kill "$compositor_pid"'
game_err=$log

# The wl_surface of the Nth toplevel the game made with the title $2. Objects are logged as
# name@id, or name#id from libwayland 1.23 on.
surface_of() {
    awk -v nth="$1" -v title="set_title(\"$2\")" '
        /get_xdg_surface\(new id xdg_surface[@#]/ { match($0, /xdg_surface[@#][0-9]+/); x = substr($0, RSTART, RLENGTH)
                                                 match($0, /wl_surface[@#][0-9]+/); surface[x] = substr($0, RSTART, RLENGTH) }
        /\.get_toplevel\(new id xdg_toplevel[@#]/ { match($0, /xdg_surface[@#][0-9]+/); x = substr($0, RSTART, RLENGTH)
                                                 match($0, /xdg_toplevel[@#][0-9]+/); of[substr($0, RSTART, RLENGTH)] = surface[x] }
        index($0, title) { match($0, /xdg_toplevel[@#][0-9]+/); if (++n == nth) { print of[substr($0, RSTART, RLENGTH)]; exit } }
    ' "$log"
}

# The wl_surface that has the keyboard now, if any.
keyboard_on() {
    awk '/wl_keyboard[@#][0-9]+\.enter\(/ { match($0, /wl_surface[@#][0-9]+/); on = substr($0, RSTART, RLENGTH) }
         /wl_keyboard[@#][0-9]+\.leave\(/ { on = "" } END { print on }' "$log"
}

# Whether the Nth window titled ルミタク has the keyboard; fails the test once the game has ended.
keyboard_on_box() {
    local surface
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended"
    surface=$(surface_of "$1" ルミタク)
    [ -n "$surface" ] && [ "$(keyboard_on)" = "$surface" ]
}

# Whether the board stands on the screen, the start message gone from it: the idle cells'
# colour bounds it. Sets `board`, its size and place (WxH+X+Y).
board_on_screen() {
    import -window root "$shot" || fail "no screenshot of the Xvfb"
    board=$(convert "$shot" -fill black +opaque '#00FFFF' -format '%@' info:)
    [ "${board%%x*}" -ge 400 ] 2>/dev/null
}

# A click on the board, unless the round-end question is up: then it is done.
click_until_question() {
    [ -n "$(surface_of 2 ルミタク)" ] && return 0
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended under the clicks"
    xdotool click 1
    clicks=$((clicks + 1))
    return 1
}

e2e_start_xvfb
mkdir -m 700 "$runtime"
start_session_bus "$runtime/bus"

# The compositor's output fills the Xvfb's screen, at its size.
case $compositor in
    mutter) MUTTER_DEBUG_DUMMY_MODE_SPECS=1280x1024 XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=$bus_address \
                mutter --wayland --nested --no-x11 --wayland-display "$socket" >"$work/compositor.log" 2>&1 & ;;
    kwin) XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=$bus_address \
              kwin_wayland --x11-display "$DISPLAY" --width 1280 --height 1024 --socket "$socket" \
              >"$work/compositor.log" 2>&1 & ;;
esac
compositor_pid=$!
compositor_settled() {
    [ -S "$runtime/$socket" ] || ! kill -0 "$compositor_pid" 2>/dev/null
}
poll 20 compositor_settled
[ -S "$runtime/$socket" ] || { cat "$work/compositor.log"; fail "$compositor did not start"; }

env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=$runtime \
    DBUS_SESSION_BUS_ADDRESS=$bus_address WAYLAND_DEBUG=1 "$game" >"$work/game.out" 2>"$log" &
E2E_GAME_PID=$!

poll 20 keyboard_on_box 1 || fail "the start message did not get the keyboard"
xdotool key Return
shot=$work/shot.png
poll 20 board_on_screen || fail "no board on the screen"
read -r board_x board_y < <(echo "$board" | sed 's/.*+\([0-9]*\)+\([0-9]*\)$/\1 \2/')
echo "the board stands at $board_x,$board_y"

# A click every 100 ms, each after a look whether the question is up.
xdotool mousemove --sync $((board_x + 15)) $((board_y + 15))
clicks=0
poll 60 click_until_question || fail "no round-end question after 60 s of clicks"
echo "the question came up after $clicks clicks on the board"
poll 20 keyboard_on_box 2 || fail "the question did not get the keyboard"

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
