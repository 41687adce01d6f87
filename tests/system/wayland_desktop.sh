# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for tests that drive the real game on a Wayland desktop's compositor, mutter or
# KWin, nested in a private Xvfb: input is the player's, sent through XTEST to the Xvfb,
# which the compositor passes on as its own; the board is found in the Xvfb's pixels; which
# of the game's windows stand and which has the keyboard is read off the game's side of the
# protocol (WAYLAND_DEBUG). Sourced after harness.sh and x_session.sh.
#
#   wayland_desktop_require COMPOSITOR   skips (status 77), or fails in CI, if a tool is missing
#                                        or the compositor cannot run nested here
#   wayland_desktop_start COMPOSITOR     the Xvfb, a session bus ($bus_address) and the compositor
#   wayland_desktop_game GAME            the game on it, its protocol log in $log; sets E2E_GAME_PID
#   surface_of N TITLE                   the wl_surface of the Nth toplevel titled TITLE
#   keyboard_on                          the wl_surface that has the keyboard now, if any
#   wait_keyboard_on_box N               up to 20 s, until the Nth window titled ルミタク has it
#   toplevel_gone N TITLE                whether the Nth toplevel titled TITLE has been closed
#   wayland_desktop_board                once the start message is gone, the board's top left
#                                        corner on the screen: sets board_x and board_y
# shellcheck shell=bash

runtime=$work/wayland-runtime
log=$work/game.log
socket=rumitaku-test-$$
compositor_pid=
on_exit '[ -n "$compositor_pid" ] && kill "$compositor_pid"'
game_err=$log

wayland_desktop_require() {
    need Xvfb xvfb
    need xauth xauth
    need xdotool xdotool
    need import imagemagick
    need dbus-daemon dbus-daemon
    need_qt_wayland
    case $1 in
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
        *) echo "usage: $(basename "$0") mutter|kwin GAME" >&2; exit 2 ;;
    esac
}

wayland_desktop_start() {
    e2e_start_xvfb
    mkdir -m 700 "$runtime"
    start_session_bus "$runtime/bus"

    # The compositor's output fills the Xvfb's screen, at its size.
    case $1 in
        mutter) MUTTER_DEBUG_DUMMY_MODE_SPECS=1280x1024 XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=$bus_address \
                    mutter --wayland --nested --no-x11 --wayland-display "$socket" >"$work/compositor.log" 2>&1 & ;;
        kwin) XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=$bus_address \
                  kwin_wayland --x11-display "$DISPLAY" --width 1280 --height 1024 --socket "$socket" \
                  >"$work/compositor.log" 2>&1 & ;;
    esac
    compositor_pid=$!
    poll 20 compositor_settled
    [ -S "$runtime/$socket" ] || { cat "$work/compositor.log"; fail "$1 did not start"; }
}

compositor_settled() {
    [ -S "$runtime/$socket" ] || ! kill -0 "$compositor_pid" 2>/dev/null
}

wayland_desktop_game() {
    : >"$log"
    env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=$runtime \
        DBUS_SESSION_BUS_ADDRESS=$bus_address WAYLAND_DEBUG=1 "$1" >"$work/game.out" 2>"$log" &
    E2E_GAME_PID=$!
}

# Objects are logged as name@id, or name#id from libwayland 1.23 on.
surface_of() {
    awk -v nth="$1" -v title="set_title(\"$2\")" '
        /get_xdg_surface\(new id xdg_surface[@#]/ { match($0, /xdg_surface[@#][0-9]+/); x = substr($0, RSTART, RLENGTH)
                                                 match($0, /wl_surface[@#][0-9]+/); surface[x] = substr($0, RSTART, RLENGTH) }
        /\.get_toplevel\(new id xdg_toplevel[@#]/ { match($0, /xdg_surface[@#][0-9]+/); x = substr($0, RSTART, RLENGTH)
                                                 match($0, /xdg_toplevel[@#][0-9]+/); of[substr($0, RSTART, RLENGTH)] = surface[x] }
        index($0, title) { match($0, /xdg_toplevel[@#][0-9]+/); if (++n == nth) { print of[substr($0, RSTART, RLENGTH)]; exit } }
    ' "$log"
}

keyboard_on() {
    awk '/wl_keyboard[@#][0-9]+\.enter\(/ { match($0, /wl_surface[@#][0-9]+/); on = substr($0, RSTART, RLENGTH) }
         /wl_keyboard[@#][0-9]+\.leave\(/ { on = "" } END { print on }' "$log"
}

wait_keyboard_on_box() {
    poll 20 keyboard_on_box "$1"
}

# Whether the Nth window titled ルミタク has the keyboard; fails the test once the game has ended.
keyboard_on_box() {
    local surface
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended"
    surface=$(surface_of "$1" ルミタク)
    [ -n "$surface" ] && [ "$(keyboard_on)" = "$surface" ]
}

# An object's id is used again once it is destroyed: the destruction is the first after the title.
toplevel_gone() {
    awk -v nth="$1" -v title="set_title(\"$2\")" '
        !toplevel && index($0, title) && ++n == nth { match($0, /xdg_toplevel[@#][0-9]+/); toplevel = substr($0, RSTART, RLENGTH) }
        toplevel && index($0, "-> " toplevel ".destroy(") { gone = 1; exit }
        END { exit !gone }
    ' "$log"
}

wayland_desktop_board() {
    shot=$work/shot.png
    poll 20 board_on_screen || fail "no board on the screen"
    read -r board_x board_y < <(echo "$board" | sed 's/.*+\([0-9]*\)+\([0-9]*\)$/\1 \2/')
    echo "the board stands at $board_x,$board_y"
}

# Whether the board stands on the screen, the start message gone from it: the idle cells'
# colour bounds it. Sets `board`, its size and place (WxH+X+Y).
board_on_screen() {
    import -window root "$shot" || fail "no screenshot of the Xvfb"
    board=$(convert "$shot" -fill black +opaque '#00FFFF' -format '%@' info:)
    [ "${board%%x*}" -ge 400 ] 2>/dev/null
}
