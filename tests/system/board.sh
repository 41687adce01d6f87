# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the game's controls stand in its window, in pixels at 96 DPI (15 twips to the pixel),
# for the scripts that click them or read them off a screenshot. Sourced, not run.
# shellcheck shell=bash disable=SC2034  # the variables are for the scripts that source this

# As the build reads them from the rules' board and the window: the cells, numbered down
# the columns (board_origin, cell_pitch, cell_size and column_cells: 33 pixels square, 41
# apart from (8, 8), 12 to a column); score_area, Label1's X Y WIDTH HEIGHT; fast_x, fast_y,
# slow_x and slow_y, the centres of 早い and 遅い; round_length_ms, a round's length. CTest names the
# file; by hand, name it yourself.
. "${E2E_BOARD_PLACES:?set E2E_BOARD_PLACES to build-tests/tests/support/board_places.sh}"
cell_x() { echo $((board_origin + cell_pitch * ($1 / column_cells) + cell_size / 2)); }  # a cell's centre
cell_y() { echo $((board_origin + cell_pitch * ($1 % column_cells) + cell_size / 2)); }
# (Positions in the window: `xdotool mousemove --window "$main" X Y` moves the pointer there.)

# Starts a private X server at 96 DPI with a window manager, and the game in it, unscaled, and
# waits for its window and the start message over it: sets `main` and `start`, their window ids.
e2e_open_game() {
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
    e2e_start_xvfb
    e2e_start_wm
    e2e_start_game "$@"
    start=$(e2e_window '^ルミタク$')
    [ -n "$start" ] || fail "no start message"
    main=$(e2e_window '^Form1$')
    [ -n "$main" ] || fail "no game window"
}

# The round-end question's window id, once it is shown: looks once, or for up to `$1` seconds.
question() {
    if [ "${1:-0}" -gt 0 ]; then
        poll "$1" question
    else
        xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '^ルミタク$' 2>/dev/null | head -n 1 | grep .
    fi
}

# Where いいえ stands on the question $1: at its bottom right. Sets no_x and no_y.
no_at() {
    local x y width height
    read -r x y width height < <(e2e_rect "$1")
    no_x=$((x + width - 51)) no_y=$((y + height - 26))
    echo "the question stands at $x,$y ${width}x$height; いいえ at $no_x,$no_y"
}

# Whether clicks aimed at $aimed_at across the end of round $1 missed いいえ, which stands at
# no_x,no_y: a window manager may frame the question a title bar lower or higher from one
# round to the next. Says so; after three misses in a row, the test is skipped, untested.
missed_no() {
    [ "$no_x,$no_y" = "$aimed_at" ] && return 1
    if [ "$1" -ge 4 ]; then
        echo "SKIPPED: いいえ came up elsewhere than the clicks were aimed at the end of three rounds in a row: they did not test it"
        exit 77
    fi
    echo "いいえ came up at $no_x,$no_y, not at $aimed_at where the clicks were: one more round"
}

idle=00FFFF pink=FF00FF                          # a cell's idle and pink colours
shot=${work:?}/shot.png                        # where the helpers below take their screenshots

# Every cell's colour in the screenshot $shot, in index order: the pixel in the middle of
# each cell's square of the pitch, read in one pass (transposed, as the cells go down the columns).
cell_colours() {
    local side=$((column_cells * cell_pitch))
    convert "$shot" -crop "${side}x$side+$board_origin+$board_origin" +repage \
        -sample "${column_cells}x$column_cells" -transpose -depth 8 txt:- \
        | awk 'NR > 1 { print substr($3, 2) }'
}

# The index of the lit cell in a fresh screenshot of the window $main into $shot; empty if
# none is lit. With `not_pink`, a pink cell does not count: clicking it may leave the score
# as it is.
lit_cell() {
    e2e_shot "$main" "$shot"
    cell_colours | awk -v idle="$idle" -v pink="$pink" -v skip="${1:-}" \
        '$1 != idle && !(skip == "not_pink" && $1 == pink) { print NR - 1; exit }'
}
