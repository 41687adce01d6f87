#!/usr/bin/env bash
# Plays the real game on a virtual display under strace: the start message, a few ticks,
# clicks on cells and a speed button, then a close. Fails unless the game ends with status 0
# having opened no file for writing and created or changed none outside /dev and /proc, and
# having used no socket but local ones (the display, the session bus).
#   strace_test.sh GAME CLOSE_WINDOW
# Skips (status 77) without Xvfb, xdotool or strace. RUMITAKU_TEST_DISPLAY=:N picks the display
# number; otherwise Xvfb takes the first free one.
set -uo pipefail

game=$1
close_window=${2:-}
skip=77

fail() {
    echo "FAIL: $*"
    exit 1
}

for tool in Xvfb xdotool strace; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip; }
done
[ -x "$close_window" ] || { echo "SKIP: no close_window helper (built only with libx11-dev)"; exit $skip; }
strace -o /dev/null true 2>/dev/null || { echo "SKIP: strace cannot trace here"; exit $skip; }

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb and sets DISPLAY. Xvfb writes the display's number once it takes connections.
start_display() {
    # Unquoted: with no number given, Xvfb takes the first free one.
    Xvfb ${RUMITAKU_TEST_DISPLAY:-} -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=:$(head -n 1 "$work/display")
}

# Prints the id of the visible window whose title matches $1, waiting for it to appear.
wait_for_window() {
    timeout 60 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}

# Clicks at ($2, $3) in window $1.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

start_display

# A desktop session as a fresh login gets it: an empty home, a private runtime directory, and a
# session bus address (with no bus behind it, so that nothing starts one).
mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/runtime/bus
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME
export QT_QPA_PLATFORM=xcb
# The leak checker cannot run under a tracer; the other tests check for leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

strace -ff -o "$work/trace" -e trace=%file,socket,connect,bind "$game" >"$work/output" 2>&1 &
game_pid=$!

form=$(wait_for_window '^Form1$') || fail "the game window did not appear: $(cat "$work/output")"
start_message=$(wait_for_window '^ルミタク$') || fail "the start message did not appear"
xdotool windowfocus "$start_message"
xdotool key Return

# Cells stand 41 pixels apart from (8, 8), 33 across; Command1 is at (512, 408).
sleep 1.5
for cell in 0 13 26 77 143; do
    click_at "$form" $((8 + 41 * (cell / 12) + 16)) $((8 + 41 * (cell % 12) + 16))
    sleep 0.3
done
click_at "$form" 536 424
sleep 1.5
kill -0 "$game_pid" 2>/dev/null || fail "the game ended before it was closed: $(cat "$work/output")"

"$close_window" "$form" || fail "could not ask the window to close"
for _ in $(seq 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end when its window was closed"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$work/output")"
[ -s "$work/output" ] && echo "the game said: $(cat "$work/output")"

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
