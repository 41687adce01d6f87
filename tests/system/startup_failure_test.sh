#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game started where something it needs is missing, on a display of too few colours,
# or losing its display while it runs: each case says so in exactly one line on standard error, matching the case's
# pattern, and ends with the case's status, never an abort. The cases of the table start
# from no display at all; each adds its own environment, may run the game under a
# command (a lower limit of open files, say) and give it arguments. The line names the
# platform Qt tried last, however it was asked for: the -platform argument,
# QT_QPA_PLATFORM, or the session (on GNOME, X11 even in a Wayland session).
#   startup_failure_test.sh GAME
set -u
. "$(dirname "$0")/harness.sh"
game=$(realpath "$1")
xvfb_pid=
on_exit '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null'
mkdir -m 700 "$work/runtime"

# status | pattern of the one line | environment and command before the game | its arguments
cases=$(cat <<'END'
1 | ^rumitaku: .*\(cannot connect to a display: .*DISPLAY\)$ |
1 | ^rumitaku: .*\(cannot connect to a display: .*DISPLAY\)$ | QT_QPA_PLATFORM=xcb
1 | ^rumitaku: .*\(cannot connect to a display: .*DISPLAY\)$ | XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=nowhere
1 | ^rumitaku: .*\(cannot connect to a Wayland compositor: set WAYLAND_DISPLAY, or try QT_QPA_PLATFORM=xcb\)$ | QT_QPA_PLATFORM=wayland
1 | ^rumitaku: .*\(cannot connect to a Wayland compositor: .*\)$ | QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere
1 | ^rumitaku: .* linuxfb .*\(the Qt platform plugin "linuxfb" cannot show a window here: try QT_QPA_PLATFORM=xcb or QT_QPA_PLATFORM=wayland\)$ | QT_QPA_PLATFORM=linuxfb
1 | ^rumitaku: .* eglfs .*\(the Qt platform plugin "eglfs" cannot show a window here: .*\)$ | QT_QPA_PLATFORM=eglfs
1 | ^rumitaku: .* nosuch .*\(no Qt platform plugin "nosuch": try QT_QPA_PLATFORM=xcb or QT_QPA_PLATFORM=wayland\)$ | QT_QPA_PLATFORM=nosuch
1 | ^rumitaku: .*\(too few file descriptors left: raise the limit with ulimit -n\)$ | DISPLAY=:0 prlimit --nofile=16
1 | ^rumitaku: .* nosuch .*\(no Qt platform plugin "nosuch": .*\)$ | | -platform nosuch
1 | ^rumitaku: .* nosuch .*\(no Qt platform plugin "nosuch": .*\)$ | QT_QPA_PLATFORM=xcb | --platform nosuch
1 | ^rumitaku: .*\(cannot connect to a Wayland compositor: .*\)$ | DISPLAY=nowhere:0 | -platform wayland
1 | ^rumitaku: .*\(cannot connect to the display nowhere:0\)$ | DISPLAY=nowhere:0 QT_QPA_PLATFORM=wayland | -platform xcb
1 | ^rumitaku: .*\(cannot connect to the display nowhere:0\)$ | XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME DISPLAY=nowhere:0
1 | ^rumitaku: .*\(cannot connect to the display nowhere:0\)$ | XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=nowhere DISPLAY=nowhere:0
END
)

failures=0
# check NAME WANTED_STATUS PATTERN STATUS OUTPUT
check() {
    local lines
    lines=$(printf '%s\n' "$5" | grep -c .)
    if [ "$4" -ne "$2" ] || [ "$lines" -ne 1 ] || ! printf '%s\n' "$5" | grep -Eq "$3"; then
        echo "FAIL: $1: status $4 (wanted $2), $lines lines:"
        printf '%s\n' "$5"
        failures=$((failures + 1))
    else
        echo "ok: $1: $5"
    fi
}

while IFS='|' read -r status pattern setup arguments; do
    status=$(echo $status) pattern=$(echo "$pattern" | sed 's/^ *//; s/ *$//')
    err=$(cd "$work" && eval env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent XDG_RUNTIME_DIR="$work/runtime" \
        "$setup" '"$game"' "$arguments" 2>&1 >/dev/null </dev/null)
    got=$?
    check "$(echo ${setup:-no display} $arguments)" "$status" "$pattern" $got "$err"
done <<<"$cases"

# A private X server whose screen has the given colour depth: sets `display` and `xvfb_pid`.
start_xvfb() {
    : >"$work/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "1280x1024x$1" 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    wait_until 10 test -s "$work/display"
    display=:$(cat "$work/display")
}

stop_xvfb() {
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}

# The game on the display, as a desktop starts it.
play_on_display() {
    env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE DISPLAY="$display" QT_QPA_PLATFORM=xcb \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent XDG_RUNTIME_DIR="$work/runtime" "$game" </dev/null
}

# The game, started in the background as game_pid, has shown its start message on the display.
start_message_shown() {
    DISPLAY=$display xdotool search --onlyvisible --name '^ルミタク$' >/dev/null 2>&1
}
game_gone() {
    ! kill -0 "$game_pid" 2>/dev/null
}
start_message_settled() {
    start_message_shown || game_gone
}

need Xvfb xvfb
need xdotool xdotool
# A display of too few colours for the game's: 8-bit, where Qt draws nothing.
start_xvfb 8
err=$(cd "$work" && play_on_display 2>&1 >/dev/null)
check "a display of 8-bit colour" 1 \
    "^rumitaku: .*\\(the display cannot show the game's colours: it has 8-bit colour, 16-bit at least is needed\\)$" $? "$err"
stop_xvfb
# 16 bits are enough: the game starts, and waits at its start message.
start_xvfb 16
play_on_display 2>"$work/16-bit.err" >/dev/null &
game_pid=$!
poll 20 start_message_settled
if start_message_shown && ! game_gone && ! grep -q colour "$work/16-bit.err"; then
    echo "ok: a display of 16-bit colour plays"
else
    echo "FAIL: a display of 16-bit colour shows no start message: $(cat "$work/16-bit.err")"
    failures=$((failures + 1))
fi
kill "$game_pid" 2>/dev/null
wait "$game_pid" 2>/dev/null
stop_xvfb

# The display goes away while the game waits at its start message.
start_xvfb 24
play_on_display 2>"$work/lost.err" >/dev/null &
game_pid=$!
poll 20 start_message_settled
start_message_shown || { kill "$game_pid" 2>/dev/null; fail "the game showed no start message on a display of 24-bit colour: $(cat "$work/lost.err")"; }
stop_xvfb
poll 20 game_gone || { kill "$game_pid"; fail "the game went on with its X server gone"; }
wait "$game_pid"
check "the X server gone while playing" 1 '^rumitaku: .*\(lost the connection to the display\)$' $? "$(cat "$work/lost.err")"

[ "$failures" -eq 0 ]
