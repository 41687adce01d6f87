# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for tests that drive the real game in a real X session, as a player
# would: a private Xvfb, the game started in it, its windows found by title,
# keys and clicks sent with xdotool, screenshots read pixel by pixel with
# ImageMagick, a window closed as a window manager closes it. Source it from
# bash (tools/bench does too, for its display). Every wait is bounded, so that
# a game that hangs fails the test.
#
# It sources harness.sh, whose $work holds the session's files and whose fail shows what
# the game wrote to its error output.
#
#   e2e_require                 skips (status 77), or fails in CI, if a tool is missing
#   e2e_require_wm              the same for the window manager's tools
#   e2e_start_xvfb              a private X server on $E2E_DISPLAY (a number) or on the
#                               first free display, its screen $E2E_SCREEN (1280x1024x24);
#                               sets DISPLAY and XAUTHORITY; it keeps its state between
#                               clients (-noreset), so each program meets the same server
#   e2e_start_wm                openbox on that display, as a desktop's window manager: it
#                               places, frames and focuses the windows; waits until it manages
#   e2e_start_game BINARY...    starts it in the background on that display: sets
#                               E2E_GAME_PID, and E2E_GAME_OUT and E2E_GAME_ERR (its output)
#   e2e_window REGEX            the id of the game's visible window whose title matches
#                               (of any process when E2E_WINDOW_PID is set empty)
#   e2e_rect WINDOW             the window's inside on the screen: X Y WIDTH HEIGHT (xwininfo's;
#                               xdotool's position is wrong for a framed window)
#   e2e_wait_unmapped WINDOW    until the window is no longer shown
#   e2e_close WINDOW            asks the window to close (WM_DELETE_WINDOW), with the
#                               helper $E2E_CLOSE_WINDOW (tests/system/close_window.cpp)
#   e2e_wait_exit               until the game ends; sets E2E_GAME_STATUS, its exit status
#                               (call it in the test's own shell, not in $(...))
#   e2e_shot WINDOW FILE        a PNG screenshot of the window
#   e2e_signature FILE X Y W H  a hash of the pixels of a rectangle
#   e2e_cleanup                 ends the game and the server; registered to run on exit

. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
E2E_XVFB_PID=
E2E_WM_PID=
E2E_GAME_PID=
E2E_GAME_OUT=$work/game.out
E2E_GAME_ERR=$work/game.err
game_err=$E2E_GAME_ERR
on_exit e2e_cleanup

e2e_require() {
    need Xvfb xvfb
    need xauth xauth
    need xdotool xdotool
    need import imagemagick
    if [ ! -x "${E2E_CLOSE_WINDOW:-}" ]; then
        need close_window libx11-dev
    fi
}

e2e_require_wm() {
    need openbox openbox
    need xprop x11-utils
    need xwininfo x11-utils
}

e2e_cleanup() {
    [ -n "$E2E_GAME_PID" ] && kill "$E2E_GAME_PID" 2>/dev/null
    [ -n "$E2E_WM_PID" ] && kill "$E2E_WM_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && wait "$E2E_XVFB_PID" 2>/dev/null
}

e2e_start_xvfb() {
    local cookie number
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    # The server takes every cookie in its file, whatever display the entry names.
    touch "$work/server-auth" "$work/Xauthority"
    xauth -q -f "$work/server-auth" add :0 . "$cookie"
    : >"$work/display"
    Xvfb ${E2E_DISPLAY:+":$E2E_DISPLAY"} -displayfd 3 -auth "$work/server-auth" -nolisten tcp -noreset \
        -screen 0 "${E2E_SCREEN:-1280x1024x24}" -dpi 96 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    # Xvfb writes its display number once it takes connections.
    number=
    poll 10 e2e_xvfb_settled && number=$(cat "$work/display")
    if [ -z "$number" ]; then
        echo "FAIL: Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=":$number"
    export XAUTHORITY=$work/Xauthority
    xauth -q add "$DISPLAY" . "$cookie"
    echo "Xvfb on $DISPLAY"
}

e2e_xvfb_settled() {
    [ -s "$work/display" ] || ! kill -0 "$E2E_XVFB_PID" 2>/dev/null
}

# Openbox: a small window manager with no session services to start, which keeps to the
# desktops' conventions (frames, placement, focus of new and modal windows). Its settings
# and cache go to the test's directory.
e2e_start_wm() {
    XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache openbox >"$work/wm.log" 2>&1 &
    E2E_WM_PID=$!
    poll 10 e2e_wm_settled && e2e_wm_managing && return 0
    echo "FAIL: openbox did not start:" >&2
    cat "$work/wm.log" >&2
    exit 1
}

e2e_wm_managing() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

e2e_wm_settled() {
    e2e_wm_managing || ! kill -0 "$E2E_WM_PID" 2>/dev/null
}

e2e_start_game() {
    mkdir -p -m 700 "$work/runtime"
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime "$@" >"$E2E_GAME_OUT" 2>"$E2E_GAME_ERR" &
    E2E_GAME_PID=$!
}

e2e_end_game() {
    [ -n "$E2E_GAME_PID" ] && kill "$E2E_GAME_PID" 2>/dev/null && wait "$E2E_GAME_PID" 2>/dev/null
    E2E_GAME_PID=
}

e2e_window() {
    local pid=${E2E_WINDOW_PID-$E2E_GAME_PID}
    timeout 20 xdotool search --sync --all --onlyvisible ${pid:+--pid "$pid"} --name "$1" | head -n 1
}

e2e_rect() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

e2e_wait_unmapped() {
    poll 10 e2e_unmapped "$1"
}

e2e_unmapped() {
    ! xdotool search --all --onlyvisible --name '' 2>/dev/null | grep -qx "$1"
}

e2e_close() {
    "$E2E_CLOSE_WINDOW" "$1"
}

e2e_wait_exit() {
    poll 20 e2e_game_gone || return 1
    wait "$E2E_GAME_PID"
    E2E_GAME_STATUS=$?
    E2E_GAME_PID=
}

e2e_game_gone() {
    ! kill -0 "$E2E_GAME_PID" 2>/dev/null
}

e2e_shot() {
    import -window "$1" "$2"
}

e2e_signature() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -format '%#' info:
}
