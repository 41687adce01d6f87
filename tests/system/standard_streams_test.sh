#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game started as some launchers and daemons start programs: with standard error,
# output or input closed, in a session without a runtime directory, whose warning Qt
# writes to standard error; its window still shows. And --help and --version written to a
# full disk or a closed output fail as the standard tools do: status 1 and one line on
# standard error that says why.
#   standard_streams_test.sh BINARY
set -u
game=$(realpath "$1")
. "$(dirname "$0")/x_session.sh"
failures=0

# answer_fails OPTION REDIRECTION REASON: the game's answer to OPTION, its output so
# redirected, fails with status 1 and one line naming REASON.
answer_fails() {
    local status lines
    eval 'env -u DISPLAY -u WAYLAND_DISPLAY "$game" "$1"' "$2" '2>"$work/err"'
    status=$?
    lines=$(grep -c . "$work/err")
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q "^rumitaku: .*write error: $3" "$work/err"; then
        echo "FAIL: $1 $2: status $status, $lines lines:"
        cat "$work/err"
        failures=$((failures + 1))
    else
        echo "ok: $1 $2: $(cat "$work/err")"
    fi
}

for option in --help --version; do
    answer_fails "$option" '>/dev/full' 'No space left on device'
    answer_fails "$option" '>&-' 'Bad file descriptor'
done

need Xvfb xvfb
need xauth xauth
need xdotool xdotool
e2e_start_xvfb
# Qt makes its own runtime directory in $TMPDIR, and warns that it does.
for closed in '2>&-' '1>&-' '0<&-'; do
    eval 'env -u XDG_RUNTIME_DIR TMPDIR="$work" QT_QPA_PLATFORM=xcb "$game" >"$E2E_GAME_OUT" 2>"$E2E_GAME_ERR" </dev/null' \
        "$closed" '&'
    E2E_GAME_PID=$!
    if [ -n "$(e2e_window '^Form1$')" ]; then
        echo "ok: started with $closed, the game shows its window"
    else
        echo "FAIL: started with $closed, the game shows no window"
        failures=$((failures + 1))
    fi
    e2e_end_game
done

[ "$failures" -eq 0 ]
