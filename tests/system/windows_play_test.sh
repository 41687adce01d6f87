#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows game, from its zip, played under Wine in a real X session with a window
# manager, as a player plays it: unzipped into a folder of its own, it starts with nothing
# but what the zip holds; the start message stands over the window; Return closes it; the
# window's inside is 703 x 504 and, at 96 DPI, its cells stand where the Linux game's do, in
# the same colours; a click on a lit cell changes the score; after the round the question
# comes up; Alt+F4 leaves it open; n ends the game with status 0.
# The environment names what tools/build-windows made (see windows.cmake): the zip, Wine's
# prefix and the emulator's script, and the game built for Linux, whose window is compared.
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/board.sh"
need Xvfb xvfb
need xauth xauth
need xdotool xdotool
need import imagemagick
e2e_require_wm
need wine wine
need unzip unzip
zip=${RUMITAKU_WINDOWS_ZIP:?run through tools/build-windows --tests}
linux_binary=${RUMITAKU_LINUX_BINARY:?run through tools/build-windows --tests}

unzip -q "$zip" -d "$work/unzipped" || fail "the zip does not unzip"
exe=$(find "$work/unzipped" -name rumitaku.exe)
[ -n "$exe" ] || fail "the zip holds no rumitaku.exe"

# The Linux game's window, at 96 DPI, just after its start message is closed and 遅い is
# clicked, which takes the keyboard's focus off the cells.
e2e_open_game "$linux_binary"
xdotool key Return
e2e_wait_unmapped "$start" || fail "Return did not close the Linux game's start message"
xdotool mousemove --window "$main" --sync $slow_x $slow_y click 1
e2e_shot "$main" "$work/linux.png" || fail "no screenshot of the Linux game's window"
e2e_end_game
e2e_cleanup
E2E_XVFB_PID= E2E_WM_PID=

e2e_start_xvfb
e2e_start_wm
# No DLL folder on Wine's path: the zip's folder alone has what the game loads.
"$RUMITAKU_WINE_RUN" "$RUMITAKU_WINE_PREFIX" -- "$exe" >"$E2E_GAME_OUT" 2>"$E2E_GAME_ERR" &
E2E_GAME_PID=$!
start=$(e2e_window '^ルミタク$')
[ -n "$start" ] || fail "no start message"
main=$(e2e_window '^Form1$')
[ -n "$main" ] || fail "no game window"

read -r x y w h < <(e2e_rect "$main")
read -r sx sy sw sh < <(e2e_rect "$start")
middle_x=$((sx + sw / 2)) middle_y=$((sy + sh / 2))
[ $middle_x -ge "$x" ] && [ $middle_x -lt $((x + w)) ] && [ $middle_y -ge "$y" ] && [ $middle_y -lt $((y + h)) ] \
    || fail "the start message (${sw}x$sh at $sx,$sy) is not over the window (${w}x$h at $x,$y)"
xdotool windowfocus --sync "$start" key Return
e2e_wait_unmapped "$start" || fail "Return did not close the start message"
read -r x y w h < <(e2e_rect "$main")
[ "$w" = 703 ] && [ "$h" = 504 ] || fail "the window's inside is ${w}x$h"

# Every cell idle in both windows looks the same to the pixel: the cells stand in the same
# places, in the same colours, with the same edges.
xdotool mousemove --window "$main" --sync $slow_x $slow_y click 1
e2e_shot "$main" "$shot" || fail "no screenshot of the game's window"
mapfile -t windows_colours < <(cell_colours)
cp "$shot" "$work/windows.png"
shot=$work/linux.png
mapfile -t linux_colours < <(cell_colours)
shot=$work/shot.png
compared=0
for cell in $(seq 0 143); do
    [ "${windows_colours[cell]}" = "$idle" ] && [ "${linux_colours[cell]}" = "$idle" ] || continue
    square=(-crop "$((cell_size + 2))x$((cell_size + 2))+$(($(cell_x "$cell") - cell_size / 2 - 1))+$(($(cell_y "$cell") - cell_size / 2 - 1))" +repage)
    [ "$(convert "$work/windows.png" "${square[@]}" -format '%#' info:)" = \
      "$(convert "$work/linux.png" "${square[@]}" -format '%#' info:)" ] \
        || fail "cell $cell differs from the Linux game's"
    compared=$((compared + 1))
done
[ $compared -ge 140 ] || fail "only $compared cells were idle in both windows"
echo "$compared idle cells the same as on Linux"

# The score display's look differs from $1 in a fresh screenshot.
score_differs_from() {
    e2e_shot "$main" "$shot" && [ "$(e2e_signature "$shot" "${score_area[@]}")" != "$1" ]
}

# A click on an idle cell shows the score, 0; then a lit cell clicked changes it. The light
# may move on before the click lands, leaving the score at 0; then the next one is tried.
blank=$(e2e_signature "$shot" "${score_area[@]}")
cell=$(cell_colours | awk -v idle="$idle" '$1 == idle { print NR - 1 }' | tail -n 1)
xdotool mousemove --window "$main" --sync "$(cell_x "$cell")" "$(cell_y "$cell")" click 1
poll 2 score_differs_from "$blank" || fail "clicking a cell did not show the score"
zero=$(e2e_signature "$shot" "${score_area[@]}")
scored=
for try in $(seq 20); do
    cell=$(lit_cell not_pink)
    [ -n "$cell" ] || continue
    xdotool mousemove --window "$main" --sync "$(cell_x "$cell")" "$(cell_y "$cell")" click 1
    if poll 2 score_differs_from "$zero"; then
        scored=$cell
        break
    fi
done
[ -n "$scored" ] || fail "no click on a lit cell changed the score"
echo "scored on cell $scored"

# The round's end: the question, which Alt+F4 leaves open, as a window manager's close does
# nothing on it, and n answers once its first moment on screen is over.
asked=$(question 50) || fail "no question at the round's end"
xdotool windowfocus --sync "$asked" key alt+F4
# Nothing shows that Alt+F4 did nothing: a second for it to close the question, were it to.
sleep 1
question >/dev/null || fail "Alt+F4 closed the question"
kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "Alt+F4 on the question ended the game"
xdotool windowfocus --sync "$asked" key n
e2e_wait_exit || fail "the game did not end on n"
[ "$E2E_GAME_STATUS" = 0 ] || fail "the game ended with status $E2E_GAME_STATUS"
echo "played a round under Wine, status 0"
