#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game on a virtual display under strace: the start message, a few ticks,
# clicks on cells and a speed button, then a close. Fails unless the game ends with status 0
# having opened no file for writing and created or changed none outside /dev, /proc and the
# font library's cache, having used no socket but local ones (the display, the session bus),
# and having left no process behind. Played in four kinds of session: a desktop's (a session
# bus and a runtime directory), one with no session bus address (where dbus-launch would start
# a bus), one with no runtime directory in the environment (where Qt makes its own,
# $TMPDIR/runtime-$USER, and says so), and one with a home never used before.
#   strace_test.sh GAME
# Helpers and their environment (E2E_DISPLAY, E2E_CLOSE_WINDOW) as in x_session.sh; skips (status 77)
# without the tools, or fails in CI.
set -uo pipefail
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/board.sh"
e2e_require
need strace strace

game=$1


strace -o /dev/null true 2>/dev/null || { echo "SKIPPED: strace cannot trace here"; exit 77; }

e2e_start_xvfb

# One game in the session the caller's environment sets up, traced into $work/KIND/.
play_session() {
    local kind=$1 trace=$work/$1 pid alive=
    mkdir -p "$trace"
    echo "== $kind"
    E2E_GAME_PID=
    e2e_start_game_traced "$trace"

    form=$(e2e_window '^Form1$')
    [ -n "$form" ] || fail "the game window did not appear"
    start_message=$(e2e_window '^ルミタク$')
    [ -n "$start_message" ] || fail "the start message did not appear"
    xdotool windowfocus "$start_message" key Return
    e2e_wait_unmapped "$start_message" || fail "Return did not close the start message"

    # A tick lights a cell; clicks on cells and on 早い; and the next tick, at the new speed.
    main=$form
    wait_until 20 a_cell_lit
    for cell in 0 13 26 77 143; do
        xdotool mousemove --window "$form" "$(cell_x $cell)" "$(cell_y $cell)" click 1
    done
    xdotool mousemove --window "$form" $fast_x $fast_y click 1
    lit=$(lit_cell)
    wait_until 20 lit_cell_moved_from "$lit"
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended before it was closed"

    e2e_close "$form" || fail "could not ask the window to close"
    e2e_wait_exit || fail "the game did not end when its window was closed"
    [ "$E2E_GAME_STATUS" -eq 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
    [ -s "$E2E_GAME_ERR" ] && echo "the game said: $(cat "$E2E_GAME_ERR")"

    cat "$trace"/trace.* >"$trace/all"
    grep -q '^connect(.*AF_UNIX.*X11-unix' "$trace/all" || fail "the trace does not show the game at the display"

    # Flags every call that wrote to the file system (successful open for writing, or a call that
    # creates, removes or changes a file) outside /dev, /proc and the font library's caches (the
    # user's, or the system's when a package changed the fonts since it was last made), and every
    # socket that is not local.
    # Qt's own runtime directory, where the session has none, is allowed as well.
    findings=$(awk -v fontcache="$HOME/.cache/fontconfig/" -v systemcache=/var/cache/fontconfig/ \
                   -v qtruntime="${qt_runtime_dir:-/nonexistent}" '
        function local_paths(line,    rest, path, n) {
            n = 0
            rest = line
            while (match(rest, /"[^"]*"/)) {
                path = substr(rest, RSTART + 1, RLENGTH - 2)
                if (path !~ /^\/(dev|proc)\// && index(path, fontcache) != 1 && index(path, systemcache) != 1 \
                    && index(path, qtruntime) != 1) return 0
                n++
                rest = substr(rest, RSTART + RLENGTH)
            }
            return n > 0
        }
        {
            call = $0
            sub(/\(.*/, "", call)
            failed = $0 ~ /\) += -1 /
        }
        call ~ /^(socket|socketpair)$/ && $0 !~ /^[a-z]+\(AF_UNIX,/ { print; next }
        call ~ /^(connect|bind)$/ && $0 ~ /sa_family=/ && $0 !~ /sa_family=AF_UNIX/ { print; next }
        failed { next }
        call ~ /^(open|openat|openat2)$/ {
            if ($0 ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/ && !local_paths($0)) print
            next
        }
        call ~ /^(creat|mkdir|mkdirat|mknod|mknodat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate|chmod|fchmodat|chown|lchown|fchownat|utime|utimes|utimensat|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)$/ {
            if (!local_paths($0)) print
        }
    ' "$trace/all")
    [ -z "$findings" ] || fail "the game wrote or used the network:
    $findings"
    # Every process the game started has ended with it (a bus started on its behalf would not).
    for pid in $(ls "$trace" | sed -n 's/^trace\.//p'); do
        kill -0 "$pid" 2>/dev/null && alive="$alive $pid ($(tr '\0' ' ' </proc/"$pid"/cmdline))"
    done
    [ -z "$alive" ] || fail "processes outlived the game:$alive"
    echo "nothing written, no network, nothing left running: $(wc -l <"$trace/all") traced calls"
}

# Whether a cell is lit in the window $main; whether the lit one is another than $1.
a_cell_lit() {
    [ -n "$(lit_cell)" ]
}
lit_cell_moved_from() {
    local cell
    cell=$(lit_cell)
    [ -n "$cell" ] && [ "$cell" != "$1" ]
}

# The leak checker cannot run under a tracer; the other tests check for leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME DBUS_SESSION_BUS_ADDRESS
# The windows belong to the game, a child of strace: find them by title alone.
E2E_WINDOW_PID=
mkdir -m 700 "$work/runtime" "$work/home"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime

# The game started in a session set up by the caller, under strace.
e2e_start_game_traced() {
    E2E_GAME_OUT=$1/game.out
    E2E_GAME_ERR=$1/game.err
    game_err=$E2E_GAME_ERR
    QT_QPA_PLATFORM=xcb strace -ff -o "$1/trace" -e trace=%file,socket,connect,bind "$game" \
        >"$E2E_GAME_OUT" 2>"$E2E_GAME_ERR" &
    E2E_GAME_PID=$!
}

# A desktop's session: a session bus in the runtime directory, its address given.
dbus-daemon --session --fork --address="unix:path=$XDG_RUNTIME_DIR/bus" --print-pid=3 3>"$work/bus.pid"
bus_pid=$(cat "$work/bus.pid")
on_exit 'kill "$bus_pid" 2>/dev/null'
# The font library may write its cache; a first game fills it for the sessions to come.
DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus play_session desktop
# No bus address, and none in the runtime directory: libdbus would have dbus-launch start one.
kill "$bus_pid"
rm -f "$XDG_RUNTIME_DIR/bus"
play_session no_session_bus
# No runtime directory given: where Qt asks for one, it makes its own in the temporary
# directory, private to the user, and says so on stderr (newer versions, 6.11, ask for none
# here); nothing else is written.
mkdir "$work/tmp"
qt_runtime_dir=$work/tmp/runtime-$(id -un)
(unset XDG_RUNTIME_DIR; TMPDIR=$work/tmp play_session no_runtime_directory) || exit 1
if grep -qF "XDG_RUNTIME_DIR not set, defaulting to '$qt_runtime_dir'" "$work/no_runtime_directory/game.err"; then
    [ "$(stat -c %a "$qt_runtime_dir" 2>/dev/null)" = 700 ] ||
        fail "Qt made no private runtime directory $qt_runtime_dir: $(ls -la "$work/tmp")"
elif [ -e "$qt_runtime_dir" ]; then
    fail "Qt made $qt_runtime_dir without saying so"
fi
qt_runtime_dir=
# A home never used before.
rm -rf "$HOME" && mkdir -m 700 "$HOME"
play_session fresh_home
