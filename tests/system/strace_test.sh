#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game on a virtual display under strace: the start message, a few ticks,
# clicks on cells and a speed button, then a close. Fails unless the game ends with status 0
# having opened no file for writing and created or changed none outside /dev and /proc, and
# having used no socket but local ones (the display, the session bus).
#   strace_test.sh GAME
# Helpers and their environment (E2E_DISPLAY, E2E_CLOSE_WINDOW) as in x_session.sh; skips (status 77)
# without the tools, or fails in CI.
set -uo pipefail
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/board.sh"
e2e_require
need strace strace

game=$1
work=$e2e_dir

fail() {
    echo "FAIL: $*"
    [ -s "${E2E_GAME_ERR:-}" ] && { echo "the game said:"; cat "$E2E_GAME_ERR"; }
    exit 1
}

strace -o /dev/null true 2>/dev/null || { echo "SKIPPED: strace cannot trace here"; exit 77; }

e2e_start_xvfb

# A desktop session as a fresh login gets it: an empty home, a private runtime directory, and a
# session bus address (with no bus behind it, so that nothing starts one).
mkdir -m 700 "$work/home"
export HOME=$work/home
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/runtime/bus
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME
# The leak checker cannot run under a tracer; the other tests check for leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# The windows belong to the game, a child of strace: find them by title alone.
E2E_WINDOW_PID=
e2e_start_game strace -ff -o "$work/trace" -e trace=%file,socket,connect,bind "$game"

form=$(e2e_window '^Form1$')
[ -n "$form" ] || fail "the game window did not appear"
start_message=$(e2e_window '^ルミタク$')
[ -n "$start_message" ] || fail "the start message did not appear"
xdotool windowfocus "$start_message" key Return

sleep 1.5
for cell in 0 13 26 77 143; do
    xdotool mousemove --window "$form" "$(cell_x $cell)" "$(cell_y $cell)" click 1
    sleep 0.3
done
xdotool mousemove --window "$form" $fast_x $fast_y click 1
sleep 1.5
kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended before it was closed"

e2e_close "$form" || fail "could not ask the window to close"
e2e_wait_exit || fail "the game did not end when its window was closed"
[ "$E2E_GAME_STATUS" -eq 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
[ -s "$E2E_GAME_ERR" ] && echo "the game said: $(cat "$E2E_GAME_ERR")"

cat "$work"/trace.* >"$work/all"
grep -q '^connect(.*AF_UNIX.*X11-unix' "$work/all" || fail "the trace does not show the game at the display"

# Flags every call that wrote to the file system (successful open for writing, or a call that
# creates, removes or changes a file) outside /dev and /proc, and every socket that is not local.
findings=$(awk '
    function local_paths(line,    rest, path, n) {
        n = 0
        rest = line
        while (match(rest, /"[^"]*"/)) {
            path = substr(rest, RSTART + 1, RLENGTH - 2)
            if (path !~ /^\/(dev|proc)\//) return 0
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
' "$work/all")
[ -z "$findings" ] || fail "the game wrote or used the network:
$findings"
echo "nothing written, no network: $(wc -l <"$work/all") traced calls"
