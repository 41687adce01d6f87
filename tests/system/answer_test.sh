#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X session with a window manager, with input a player gives
# without meaning to: a key held down on a speed button clicks it once, however long
# the X server repeats it; and clicks that go on at the place of いいえ while the round ends
# leave the round-end question open and the game running, until a click that comes
# after the question has been seen answers it. Plays two rounds of 40 s, or more where
# the window manager frames the question a title bar from where it stood the round before.
#   answer_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/board.sh"
e2e_require
e2e_require_wm

binary=$1

e2e_open_game "$binary"
xdotool key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"

# The mouse clicks 遅い and leaves the focus on it. Each click on a speed button starts
# the tick interval afresh: were the key's repeats clicks, no tick would come while it
# is held, and the lit cell would stay. Held for 5 s, the key sees at least two ticks of
# 1400 ms, even if its one click comes at the first repeat, some 660 ms after the press.
xdotool mousemove --window "$main" --sync $slow_x $slow_y click 1
xdotool windowfocus --sync "$main"
for key in space Return; do
    xdotool keydown $key
    lit=()
    for sample in $(seq 10); do
        sleep 0.5
        lit+=("$(lit_cell)")
    done
    xdotool keyup $key
    distinct=$(printf '%s\n' "${lit[@]}" | sort -u | grep -c .)
    [ "$distinct" -ge 2 ] || fail "$key held on 遅い for 5 s clicked it again and again: the lit cells were ${lit[*]}"
    echo "$key held on 遅い: lit cells ${lit[*]}"
done

# Past the moment after the question $1 appeared, which takes no answer and shows nothing
# when it is over, Return answers はい, and the next round begins as the question closes.
play_on() {
    sleep 1
    xdotool key Return
    e2e_wait_unmapped "$1" || fail "Return did not answer the question"
    round_start_ms=$(date +%s%3N)
}

round_nearly_over() {
    [ $(($(date +%s%3N) - round_start_ms)) -ge $((round_length_ms - 2000)) ]
}

# The first round's question shows where いいえ stands.
box=$(question 50) || fail "no question at the end of the first round"
no_at "$box"
play_on "$box"

# From 2 s before the round's end, a click every 50 ms where いいえ stood, until the
# question is seen: a player busy on the board clicks on before the eye has taken in what
# came up. (Clicks that go on longer answer it, as they are meant to; on a loaded machine
# the question is seen late, so the clicks stop at once.) A window manager may frame the
# question a title bar lower or higher from one round to the next, as it comes to it
# before or after the game has placed it: where it came up elsewhere, the clicks missed
# いいえ, and the next round is played, the clicks aimed where it came up.
for round in 2 3 4; do
    aimed_at=$no_x,$no_y
    xdotool mousemove --sync $no_x $no_y
    wait_until $((round_length_ms / 1000)) round_nearly_over
    box=
    for click in $(seq 200); do
        xdotool click 1
        if [ -z "$box" ]; then
            box=$(question) && break
        fi
        kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended under the clicks at the round's end"
        sleep 0.05
    done
    [ -n "$box" ] || fail "no question at the end of round $round"
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended under the clicks at the round's end"
    xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' | grep -qx "$box" \
        || fail "the clicks at the round's end answered the question"
    no_at "$box"
    missed_no $round || break
    play_on "$box"
done
echo "$click clicks at いいえ across the end of round $round left the question open"

# A click the player means answers it, once the moment that takes none is over.
sleep 1
xdotool click 1
e2e_wait_exit || fail "いいえ did not end the game"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
[ -s "$E2E_GAME_ERR" ] && fail "the game wrote to its error output"
echo "いいえ, when meant, ended the game with status 0"
