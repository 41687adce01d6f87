#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the benchmark table in Markdown: table.py GOALS RESULTS [--quick] [NAME=VALUE ...]

GOALS is bench/README.md, whose section "Goals" tells how its table is read; RESULTS has
a line "SUBJECT NAME VALUE" per value measured; each NAME=VALUE fills {NAME} in the
figures' names. With --quick no figure is judged.
"""

import re
import statistics
import sys
from collections import defaultdict


def goal_rows(path):
    """The rows of the table in the section "## Goals", past its header, as lists of cells."""
    section = open(path, encoding="utf-8").read().split("\n## Goals\n")[1].split("\n## ")[0]
    rows = [line.strip("|").split("|") for line in section.splitlines() if line.startswith("|")]
    return [[cell.strip().strip("`") for cell in row] for row in rows[2:]]


def bound(goal, floor, against):
    """The bound a goal "≤ N" sets, or "≤ N × floor" against the median `against` of the
    figure `floor`; None when that floor was not measured."""
    match = re.fullmatch(r"≤ ([\d ]+(?:\.\d+)?)(?: × (floor|text floor))?", goal)
    if not match:
        sys.exit(f"table.py: cannot read the goal {goal!r}")
    number, times = match.groups()
    limit = float(number.replace(" ", ""))
    if not times:
        return limit
    # "floor" is the empty floor's subject, "text floor" the text floor's ("text").
    if (floor.split() or [""])[0] != times.split()[0]:
        sys.exit(f"table.py: the goal {goal!r} is set against {floor!r}")
    return limit * against if against else None


def main(args):
    quick = "--quick" in args
    goals, results, *settings = [a for a in args if a != "--quick"]
    values = defaultdict(list)
    for line in open(results, encoding="utf-8"):
        subject, name, value = line.split()
        values[f"{subject} {name}"].append(float(value))

    def median(key):
        return statistics.median(values[key]) if values[key] else None

    def cell(key, digits):
        shown = [min(values[key]), median(key), max(values[key])] if values[key] else []
        return " / ".join(f"{v:.{digits}f}" for v in shown) or "—"

    print("| Figure | Goal | rumitaku min / median / max | floor min / median / max | |")
    print("|---|---|---|---|---|")
    for figure, goal, key, floor, digits in goal_rows(goals):
        measured, against = median(key), median(floor)
        ratio = f"{measured / against:.2f}" if measured is not None and against else "—"
        verdict = ""
        if goal:
            bounds = [bound(part, floor, against) for part in goal.split(", ")]
            if quick:
                verdict = "(quick)"
            elif measured is not None and None not in bounds:
                verdict = "pass" if all(measured <= b for b in bounds) else "**fail**"
        name = figure.format(ratio=ratio, **dict(s.split("=", 1) for s in settings))
        print(f"| {name} | {goal} | {cell(key, int(digits))} | {cell(floor, int(digits))} | {verdict} |")

    paints = median("xcb paints_per_tick")
    if paints is not None:
        print(f"\nRepaints per tick: {paints:.2f} (the two cells, and Label2 when its text changes).")
    if values["xcb clicks_dropped"]:
        dropped = sum(values["xcb clicks_dropped"])
        print(f"\nClicks from outside not timed: {dropped:.0f}, their cell gone out before the release.")


if __name__ == "__main__":
    main(sys.argv[1:])
