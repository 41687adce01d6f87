#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree says its copyright and licence, and each licence it names
# has its text in LICENSES/: reuse lint, which reads git's list of files, so build folders
# do not count.
#   licence_test.sh SOURCE_DIR
set -u
. "$(dirname "$0")/harness.sh"
need reuse reuse
report=$(reuse --root "$1" lint 2>&1)
status=$?
[ "$status" -eq 0 ] || printf '%s\n' "$report"
[ "$status" -eq 0 ] && echo "reuse lint: compliant"
exit "$status"
