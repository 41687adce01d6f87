#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X session with a window manager, played as a player plays it:
# the start message stands over the window; Return closes it; the mouse clicks a cell that the screenshot shows
# lit, and the score display changes; Tab moves the focus to a lit cell and
# Space clicks it, and the score display changes again; closing the window ends the game
# with status 0, and it has said nothing on the way.
#   play_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/board.sh"
e2e_require
e2e_require_wm

binary=$1

# A screenshot of the window into $shot. (Called in the test's own shell, not in
# $(...), so that its failure ends the test.)
shoot() {
    e2e_shot "$main" "$shot" || fail "no screenshot of the game's window"
}

# The score display's look in the screenshot last taken.
score_signature() {
    e2e_signature "$shot" "${score_area[@]}"
}

# Fails at once, rather than giving input to what is not the board, when the game has
# ended or the round has: on a machine slow enough for that, this test cannot play.
still_playing() {
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended while it was being played"
    question >/dev/null && fail "the round ended before the test had played (is the machine very slow?)"
}

# Whether the score display, in a fresh screenshot, looks other than `$1`.
score_other_than() {
    still_playing
    shoot
    [ "$(score_signature)" != "$1" ]
}

# Waits up to 2 s for the score display to look other than `$1`.
score_changes_from() {
    poll 2 score_other_than "$1"
}

# Whether a cell other than `$1` is lit (not counting pink ones with `not_pink` as `$2`): sets `cell`.
another_cell_lit() {
    still_playing
    cell=$(lit_cell "${2:-}")
    [ -n "$cell" ] && [ "$cell" != "$1" ]
}

click_cell() {
    xdotool mousemove --window "$main" --sync "$(cell_x "$1")" "$(cell_y "$1")" click 1
}

e2e_open_game "$binary"
# The caption the desktop shows, with nothing appended to it.
caption=$(xdotool getwindowname "$main")
[ "$caption" = Form1 ] || fail "the window's caption is \"$caption\""
# The start message's middle stands on the window, where the window manager put it.
read -r x y w h < <(e2e_rect "$main")
read -r sx sy sw sh < <(e2e_rect "$start")
middle_x=$((sx + sw / 2)) middle_y=$((sy + sh / 2))
[ $middle_x -ge "$x" ] && [ $middle_x -lt $((x + w)) ] && [ $middle_y -ge "$y" ] && [ $middle_y -lt $((y + h)) ] \
    || fail "the start message (${sw}x$sh at $sx,$sy) is not over the window (${w}x$h at $x,$y)"
xdotool key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 703 ] && [ "$HEIGHT" = 504 ] || fail "the window is ${WIDTH}x$HEIGHT"

# Slower lights, so that a cell seen lit is most likely still lit when the click lands.
xdotool mousemove --window "$main" --sync $slow_x $slow_y click 1

# A click on an idle cell shows the score, still 0.
shoot
blank=$(score_signature)
for cell in 143 142 141; do
    [ "$(cell_colours | sed -n "$((cell + 1))p")" = "$idle" ] && break
done
click_cell "$cell"
score_changes_from "$blank" || fail "clicking a cell did not show the score"
zero=$(score_signature)

# The mouse on a lit cell changes the score. The light may move on before the
# click lands; then the score stays as it is, and the next lit cell is tried.
scored=
for try in $(seq 15); do
    wait_until 5 another_cell_lit none not_pink
    click_cell "$cell"
    if score_changes_from "$zero"; then
        scored=$cell
        break
    fi
done
[ -n "$scored" ] || fail "no mouse click on a lit cell changed the score"
echo "the mouse scored on cell $scored"

# The keyboard alone: the focus stands on the cell the mouse clicked. Tab (or
# Shift+Tab) moves it along the cells in their order onto the lit one, and
# Space clicks it. Nothing else changes the score meanwhile, and from the score
# the mouse made, other than 0, every colour changes it.
focus=$scored
shoot
before=$(score_signature)
pressed=
for try in $(seq 30); do
    # The light has to move on from the focused cell, for the keys to take the focus to it.
    wait_until 5 another_cell_lit "$focus"
    if [ "$cell" -gt "$focus" ]; then
        moves=$(yes Tab | head -n $((cell - focus)))
    else
        moves=$(yes shift+Tab | head -n $((focus - cell)))
    fi
    # All at once, so that they land while the cell is still lit (the X server keeps their order).
    # shellcheck disable=SC2086  # one key a word
    xdotool key --delay 0 $moves space
    focus=$cell
    if score_changes_from "$before"; then
        pressed=$cell
        break
    fi
done
[ -n "$pressed" ] || fail "Tab and Space on a lit cell did not change the score"
echo "Tab and Space scored on cell $pressed"

e2e_close "$main" || fail "could not ask the window to close"
e2e_wait_exit || fail "the game did not end when its window closed"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
[ -s "$E2E_GAME_ERR" ] && fail "the game wrote to its error output"
[ -s "$E2E_GAME_OUT" ] && fail "the game wrote to its output: $(cat "$E2E_GAME_OUT")"
echo "played, closed, status 0"
