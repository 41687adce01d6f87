#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X session whose window manager is slow: openbox is held (SIGSTOP)
# from before the round's end until well after the game shows its question, so that the
# question comes on screen late, as on a loaded desktop. Input meant for the board goes on
# all the while: in the first round Return tapped every 60 ms, in the second clicks every
# 60 ms where いいえ comes up. The window manager lets the clicks it held go on one at a
# time, a tenth of a second apart, as on a loaded desktop: most of them come to the game
# long after it drew its question, with the time they were made. Each leaves the question
# open and the game running until it is seen; a key or a click made after that answers
# it: Return, はい, and a click, いいえ, which ends the game with status 0. Two rounds of 40 s,
# or more where the window manager frames the question a title bar from where it stood before.
#   late_question_test.sh BINARY
set -u
here=$(dirname "$0")
. "$here/harness.sh"
. "$here/x_session.sh"
. "$here/board.sh"
e2e_require
e2e_require_wm
[ -x "${E2E_SLOW_CLICKS:-}" ] || need slow_clicks libx11-dev

binary=$1
wm_held=
on_exit '[ -n "$wm_held" ] && kill -CONT "$E2E_WM_PID"'

# The question's window, once the game has made it: shown by the game, whether or not the
# window manager has put it on screen yet.
made_question() {
    xdotool search --all --pid "$E2E_GAME_PID" --name '^ルミタク$' 2>/dev/null | head -n 1 | grep .
}

# Whether the window $1 is on screen.
on_screen() {
    xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' 2>/dev/null | grep -qx "$1"
}

# From 3 s before the round's end, every 60 ms, the input `$@` (an xdotool command), while
# the window manager is held: from then until a second after the game has made its question,
# so that the game has long shown it when it comes on screen. The input stops just after
# the question is on screen, when a player would have seen it. Sets `box` to the question's
# window, and `sent` to the number of inputs.
input_while_the_question_comes_late() {
    local taps=0 wait=$((round_start + 37 - SECONDS))
    [ $wait -gt 0 ] && sleep $wait
    kill -STOP "$E2E_WM_PID"
    wm_held=1
    box=
    until box=$(made_question); do
        kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended before its round did"
        [ $taps -lt 200 ] || fail "no question at the round's end"
        xdotool "$@"
        taps=$((taps + 1))
        sleep 0.06
    done
    for _ in $(seq 16); do
        xdotool "$@"
        taps=$((taps + 1))
        sleep 0.06
    done
    on_screen "$box" && fail "the question came on screen with the window manager held"
    kill -CONT "$E2E_WM_PID"
    wm_held=
    until on_screen "$box"; do
        kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "'$*' across the round's end ended the game"
        made_question | grep -qx "$box" || fail "'$*' across the round's end answered the question before it was seen"
        [ $taps -lt 400 ] || fail "the question did not come on screen"
        xdotool "$@"
        taps=$((taps + 1))
        sleep 0.06
    done
    # The player's hand goes on for a moment, before the eye has taken the question in.
    for _ in 1 2; do
        xdotool "$@"
        taps=$((taps + 1))
        sleep 0.06
    done
    sent=$taps
    echo "'$*' $taps times across the round's end, the question made and then on screen late"
}

# Lets the clicks through a tenth of a second late, one at a time, from now on.
slow_clicks() {
    "$E2E_SLOW_CLICKS" 100 >"$work/slow_clicks.out" 2>&1 &
    slow_clicks_pid=$!
    on_exit "kill $slow_clicks_pid 2>/dev/null"
    wait_until 10 grep -q holding "$work/slow_clicks.out"
}

# Until every click sent has come through.
clicks_through() {
    [ "$(grep -c '^let through' "$work/slow_clicks.out")" -ge "$sent" ] && return 0
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "'click' across the round's end ended the game"
    on_screen "$box" || fail "'click' across the round's end answered the question"
    return 1
}

# What the input did, half a second after it stopped: nothing.
question_still_open() {
    sleep 0.5
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "'$1' across the round's end ended the game"
    on_screen "$box" || fail "'$1' across the round's end answered the question"
    echo "the question is still open"
}

e2e_open_game "$binary"
xdotool key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"
round_start=$SECONDS

# The first round: Return, as a player hammering a cell with the keyboard.
xdotool mousemove --window "$main" --sync "$(cell_x 0)" "$(cell_y 0)" click 1
input_while_the_question_comes_late key Return
question_still_open Return
no_at "$box"
sleep 1
xdotool key Return
e2e_wait_unmapped "$box" || fail "Return, once the question was seen, did not answer it"
round_start=$SECONDS
echo "Return, once the question was seen, answered はい"

# The next round: clicks where いいえ came up at the end of the last, let through late.
# They test the question only where いいえ comes up there again: a window manager may frame
# the question a title bar lower or higher from one round to the next, as it comes to it
# before or after the game has placed it. Where it came up elsewhere, Return answers はい
# and the next round is played, the clicks aimed where it came up.
for round in 2 3 4; do
    xdotool mousemove --sync $no_x $no_y
    aimed_at=$no_x,$no_y
    slow_clicks
    input_while_the_question_comes_late click 1
    wait_until 60 clicks_through
    echo "the $sent clicks came through, the last of them seconds late"
    question_still_open click
    kill "$slow_clicks_pid"
    no_at "$box"
    missed_no $round || break
    sleep 1
    xdotool key Return
    e2e_wait_unmapped "$box" || fail "Return, once the question was seen, did not answer it"
    round_start=$SECONDS
done
xdotool mousemove --sync $no_x $no_y
sleep 1
xdotool click 1
e2e_wait_exit || fail "いいえ, once the question was seen, did not end the game"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
[ -s "$E2E_GAME_ERR" ] && fail "the game wrote to its error output"
echo "いいえ, once the question was seen, ended the game with status 0"
