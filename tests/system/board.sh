# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the game's controls stand in its window, in pixels at 96 DPI (15 twips to the pixel),
# for the scripts that click them or read them off a screenshot. Sourced, not run.
# shellcheck shell=bash disable=SC2034  # the variables are for the scripts that source this

# Cells are 33 pixels square and stand 41 apart from (8, 8), numbered down the columns.
cell_x() { echo $((8 + 41 * ($1 / 12) + 16)); }  # a cell's centre
cell_y() { echo $((8 + 41 * ($1 % 12) + 16)); }
score_area=(546 98 117 37)                       # inside Label1's border
fast_x=536 fast_y=424                            # 早い's centre
slow_x=664 slow_y=424                            # 遅い's centre

# Starts a private X server at 96 DPI and the game in it, unscaled, and waits for its window
# and the start message over it: sets `main` and `start`, their window ids.
e2e_open_game() {
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
    e2e_start_xvfb
    e2e_start_game "$@"
    start=$(e2e_window '^ルミタク$')
    [ -n "$start" ] || fail "no start message"
    main=$(e2e_window '^Form1$')
    [ -n "$main" ] || fail "no game window"
}

idle=00FFFF pink=FF00FF                          # a cell's idle and pink colours
shot=${e2e_dir:?}/shot.png                        # where the helpers below take their screenshots

# Every cell's colour in the screenshot $shot, in index order.
cell_colours() {
    local points=() i
    for i in $(seq 0 143); do
        points+=("$(cell_x "$i"),$(cell_y "$i")")
    done
    e2e_pixels "$shot" "${points[@]}"
}

# The index of the lit cell in a fresh screenshot of the window $main into $shot; empty if
# none is lit. With `not_pink`, a pink cell does not count: clicking it may leave the score
# as it is.
lit_cell() {
    e2e_shot "$main" "$shot"
    cell_colours | awk -v idle="$idle" -v pink="$pink" -v skip="${1:-}" \
        '$1 != idle && !(skip == "not_pink" && $1 == pink) { print NR - 1; exit }'
}
