#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmark table judges each median against the goals of bench/README.md: a fixed
# bound, or a multiple of the floor's median; quick passes judge nothing.
#   bench_table_test.sh SOURCE-DIR
table="$1/bench/table.py"
goals="$1/bench/README.md"
. "$(dirname "$0")/harness.sh"
failures=0
expect() {
    grep -qxF -- "$1" "$work/table" || { echo "missing: $1"; failures=$((failures + 1)); }
}

# Medians: p99 1.1 over four runs (fails ≤ 1.0), round end 1.0 (passes ≤ 1.5); first paint
# 1.2 × the floor (passes ≤ 1.25 ×), peak memory 1.2 × (fails ≤ 1.15 ×).
cat >"$work/results" <<'END'
xcb tick_error_p99_ms 0.9
xcb tick_error_p99_ms 2.0
xcb tick_error_p99_ms 1.0
xcb tick_error_p99_ms 1.2
floor tick_error_p99_ms 0.5
xcb round_end_error_ms 1.0
xcb first_paint_ms 48
floor first_paint_ms 40
text first_paint_ms 60
xcb peak_memory_mib 36
floor peak_memory_mib 30
xcb instructions_per_tick 149999
xcb paints_per_tick 2.654
END
python3 "$table" "$goals" "$work/results" memory_ticks=123 >"$work/table" || exit 1
expect '| Tick interval error, p99 (ms) | ≤ 1.0 | 0.90 / 1.10 / 2.00 | 0.50 / 0.50 / 0.50 | **fail** |'
expect '| Round end against 40 000 ms after the start message (ms) | ≤ 1.5 | 1.00 / 1.00 / 1.00 | — | pass |'
expect '| Instructions per tick, Xvfb | ≤ 150 000 | 149999 / 149999 / 149999 | — | pass |'
expect '| Exec to first paint (ms): 1.20 × the floor | ≤ 1.25 × floor | 48.0 / 48.0 / 48.0 | 40.0 / 40.0 / 40.0 | pass |'
expect '| … beside the floor with Japanese text: 0.80 × |  | 48.0 / 48.0 / 48.0 | 60.0 / 60.0 / 60.0 |  |'
expect '| Peak memory VmHWM after a round (MiB): 1.20 × the floor | ≤ 1.15 × floor | 36.0 / 36.0 / 36.0 | 30.0 / 30.0 / 30.0 | **fail** |'
expect '| Memory growth over 123 ticks with clicks (KiB) | ≤ 100 | — | — |  |'
expect 'Repaints per tick: 2.65 (the two cells, and Label2 when its text changes).'
rows=$(grep -c '^| ' "$work/table")
goal_rows=$(sed -n '/^## Goals/,/^## /p' "$goals" | grep -c '^| ')
[ "$rows" -eq "$goal_rows" ] || { echo "$rows rows for $goal_rows rows of goals"; failures=$((failures + 1)); }

python3 "$table" "$goals" "$work/results" memory_ticks=123 --quick >"$work/table" || exit 1
expect '| Tick interval error, p99 (ms) | ≤ 1.0 | 0.90 / 1.10 / 2.00 | 0.50 / 0.50 / 0.50 | (quick) |'
if [ "$failures" -ne 0 ]; then
    cat "$work/table"
    exit 1
fi
