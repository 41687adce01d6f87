#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page formats without a single warning from man and groff, its Japanese
# texts included (in a UTF-8 locale: a plain ASCII terminal has no glyphs for them),
# and lexgrog, which makes the whatis and apropos index, finds its name and summary.
#   man_page_test.sh PAGE
set -u
. "$(dirname "$0")/harness.sh"
need man man-db
need lexgrog man-db

page=$1
failures=0
mark_failed() { echo "FAIL: $*"; failures=$((failures + 1)); }

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 0 ] || mark_failed "man ended with status $status"
[ -z "$warnings" ] || mark_failed "man warns: $warnings"

summary=$(lexgrog "$page")
[ "$summary" = "$page: \"rumitaku - reflex game: click the lit cells before they go out\"" ] ||
    mark_failed "lexgrog reads: $summary"

[ "$failures" -eq 0 ] && echo "manual page formats cleanly"
[ "$failures" -eq 0 ]
