#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the benchmark table in Markdown from the figures of a run.

    bench/table.py GOALS RESULTS [--quick] [NAME=VALUE ...]

GOALS is the Markdown file whose "## Goals" section holds the table of
figures (bench/README.md); RESULTS has a line "SUBJECT NAME VALUE" for each
value measured. Each cell is min / median / max over the runs, and the median
is judged against the goal ("≤ 1.5", or "≤ 1.25 × floor" against the floor's
median). A figure's name may hold {ratio}, its median over the floor's, and
{NAME} for each NAME=VALUE given. With --quick no figure is judged.
"""

import re
import statistics
import sys
from collections import defaultdict


def goal_rows(path):
    """The rows of the first table after the heading "## Goals", as lists of cells."""
    rows, in_goals = [], False
    for line in open(path, encoding="utf-8"):
        if line.startswith("## "):
            in_goals = line.strip() == "## Goals"
        elif in_goals and line.startswith("|"):
            rows.append([cell.strip() for cell in line.strip().strip("|").split("|")])
        elif in_goals and rows:
            break
    return rows[2:]  # past the header and its rule


def main(argv):
    quick = "--quick" in argv
    args = [a for a in argv if a != "--quick"]
    goals, results, settings = args[0], args[1], dict(a.split("=", 1) for a in args[2:])

    values = defaultdict(list)
    for line in open(results, encoding="utf-8"):
        subject, name, value = line.split()
        values[f"{subject} {name}"].append(float(value))

    def median(key):
        return statistics.median(values[key]) if values[key] else None

    def cell(key, digits):
        if not values[key]:
            return "—"
        shown = [min(values[key]), median(key), max(values[key])]
        return " / ".join(f"{v:.{digits}f}" for v in shown)

    print("| Figure | Goal | rumitaku min / median / max | floor min / median / max | |")
    print("|---|---|---|---|---|")
    for figure, goal, key, floor, digits in goal_rows(goals):
        key, floor, digits = key.strip("`"), floor.strip("`"), int(digits)
        measured = median(key)
        against = median(floor) if floor else None
        ratio = f"{measured / against:.2f}" if measured is not None and against else "—"
        verdict = ""
        if goal:
            limit = re.fullmatch(r"≤ ([\d ]+(?:\.\d+)?)( × floor)?", goal)
            bound = float(limit[1].replace(" ", ""))
            if limit[2]:
                bound = bound * against if against else None
            if quick:
                verdict = "(quick)"
            elif measured is not None and bound is not None:
                verdict = "pass" if measured <= bound else "**fail**"
        print(f"| {figure.format(ratio=ratio, **settings)} | {goal} | {cell(key, digits)}"
              f" | {cell(floor, digits) if floor else '—'} | {verdict} |")

    paints = median("xcb paints_per_tick")
    if paints is not None:
        print(f"\nRepaints per tick: {paints:.2f} (the two cells, and Label2 when its text changes).")


if __name__ == "__main__":
    main(sys.argv[1:])
