#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmark table judges each median against the goals of bench/README.md: a fixed
# bound, or a multiple of the empty or the text floor's median, or several such bounds at
# once; quick passes judge nothing. Both the goals' table and the one printed render.
#   bench_table_test.sh SOURCE-DIR
table="$1/bench/table.py"
goals="$1/bench/README.md"
. "$(dirname "$0")/harness.sh"
failures=0
expect() {
    grep -qxF -- "$1" "$work/table" || { echo "missing: $1"; failures=$((failures + 1)); }
}

# Medians: p99 2.2 over four runs (fails ≤ 2), round end 1.0 (passes ≤ 2); first paint
# 1.2 × the text floor (passes ≤ 1.25 ×) and 0.8 × the empty floor, peak memory 1.2 × the
# text floor (fails ≤ 1.0 ×); wake-ups with a message open: 0 passes ≤ 0, 1 would fail.
# Clicks' p99 against the floor's button and a frame: press 1.05 × and 2.0 ms passes, release
# 1.06 × but 17 ms fails; wake-ups per tick 1.13 × the floor's fails ≤ 1.1 ×.
cat >"$work/results" <<'END'
xcb tick_error_p99_ms 1.9
xcb tick_error_p99_ms 4.0
xcb tick_error_p99_ms 2.0
xcb tick_error_p99_ms 2.4
floor tick_error_p99_ms 0.5
xcb round_end_error_ms 1.0
xcb first_paint_ms 48
floor first_paint_ms 60
text first_paint_ms 40
xcb peak_memory_mib 36
floor peak_memory_mib 25
text peak_memory_mib 30
xcb instructions_per_tick 149999
xcb paints_per_tick 2.654
xcb wakeups_per_10s_open 0
text wakeups_per_10s_open 1
xcb press_repaint_p99_ms 2.0
floor press_repaint_p99_ms 1.9
xcb release_repaint_p99_ms 17.0
floor release_repaint_p99_ms 16.0
xcb wakeups_per_tick 3.4
floor wakeups_per_tick 3.0
text wakeups_per_tick 3.4
xcb clicks_dropped 3
xcb clicks_dropped 4
END
python3 "$table" "$goals" "$work/results" memory_ticks=123 >"$work/table" || exit 1
expect '| Tick interval error, p99 (ms), quiet machine | ≤ 2 | 1.90 / 2.20 / 4.00 | 0.50 / 0.50 / 0.50 | **fail** |'
expect '| Round end against 40 000 ms after the start message (ms) | ≤ 2 | 1.00 / 1.00 / 1.00 | — | pass |'
expect '| Instructions per tick, Xvfb | ≤ 150 000 | 149999 / 149999 / 149999 | — | pass |'
expect '| Exec to first paint (ms): 1.20 × the floor with Japanese text | ≤ 1.25 × text floor | 48.0 / 48.0 / 48.0 | 40.0 / 40.0 / 40.0 | pass |'
expect '| … beside the empty floor: 0.80 × |  | 48.0 / 48.0 / 48.0 | 60.0 / 60.0 / 60.0 |  |'
expect '| Peak memory VmHWM after a round (MiB): 1.20 × the floor with Japanese text | ≤ 1.0 × text floor | 36.0 / 36.0 / 36.0 | 30.0 / 30.0 / 30.0 | **fail** |'
expect '| … beside the empty floor: 1.44 × |  | 36.0 / 36.0 / 36.0 | 25.0 / 25.0 / 25.0 |  |'
expect '| Memory growth over 123 ticks with clicks (KiB) | ≤ 100 | — | — |  |'
expect '| Wake-ups per 10 s with a message box open, beside the text floor'"'"'s | ≤ 0 | 0 / 0 / 0 | 1 / 1 / 1 | pass |'
expect '| Press → cell repaint, from outside, p99 (ms): 1.05 × the floor'"'"'s button | ≤ 1.1 × floor, ≤ 16.7 | 2.00 / 2.00 / 2.00 | 1.90 / 1.90 / 1.90 | pass |'
expect '| Release → score repaint, from outside, p99 (ms): 1.06 × the floor'"'"'s button | ≤ 1.1 × floor, ≤ 16.7 | 17.00 / 17.00 / 17.00 | 16.00 / 16.00 / 16.00 | **fail** |'
expect '| Wake-ups of the program'"'"'s threads per tick during play: 1.13 × the floor'"'"'s | ≤ 1.1 × floor | 3.40 / 3.40 / 3.40 | 3.00 / 3.00 / 3.00 | **fail** |'
expect '| … beside the text floor'"'"'s: 1.00 × |  | 3.40 / 3.40 / 3.40 | 3.40 / 3.40 / 3.40 |  |'
expect '| CPU per click, Xvfb (µs) |  | — | — |  |'
expect 'Repaints per tick: 2.65 (the two cells, and Label2 when its text changes).'
expect 'Clicks from outside not timed: 7, their cell gone out before the release.'
rows=$(grep -c '^| ' "$work/table")
goal_rows=$(sed -n '/^## Goals/,/^## /p' "$goals" | grep -c '^| ')
[ "$rows" -eq "$goal_rows" ] || { echo "$rows rows for $goal_rows rows of goals"; failures=$((failures + 1)); }

# A Markdown table renders only with as many cells in every row, its delimiter row too,
# as in its header.
renders() {
    awk -F'|' -v what="$2" '/^\|/ { if (!cells) cells = NF; else if (NF != cells) {
        printf "%s does not render: %d cells in its header, %d in: %s\n", what, cells - 2, NF - 2, $0; bad = 1 } }
        END { exit bad }' "$1" || failures=$((failures + 1))
}
sed -n '/^## Goals/,/^## /p' "$goals" >"$work/goal_table"
renders "$work/goal_table" "the table of goals"
renders "$work/table" "the table printed"

python3 "$table" "$goals" "$work/results" memory_ticks=123 --quick >"$work/table" || exit 1
expect '| Tick interval error, p99 (ms), quiet machine | ≤ 2 | 1.90 / 2.20 / 4.00 | 0.50 / 0.50 / 0.50 | (quick) |'

# A goal set against one floor and measured beside another is refused, not judged.
sed 's/| ≤ 1.25 × text floor | `xcb first_paint_ms` | `text/| ≤ 1.25 × floor | `xcb first_paint_ms` | `text/' \
    "$goals" >"$work/goals.md"
if python3 "$table" "$work/goals.md" "$work/results" memory_ticks=123 >"$work/table" 2>"$work/error" \
    || ! grep -q "is set against 'text first_paint_ms'" "$work/error"; then
    echo "a goal against the wrong floor was not refused"
    failures=$((failures + 1))
fi
# A goal that cannot be read is refused by name.
sed 's/| ≤ 1.1 × floor, ≤ 16.7 |/| ≤ 1.1 × floor or ≤ 16.7 |/' "$goals" >"$work/goals.md"
if python3 "$table" "$work/goals.md" "$work/results" memory_ticks=123 >"$work/table" 2>"$work/error" \
    || ! grep -q "cannot read the goal '≤ 1.1 × floor or ≤ 16.7'" "$work/error"; then
    echo "an unreadable goal was not refused"
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    cat "$work/table"
    exit 1
fi
