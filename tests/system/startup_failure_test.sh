#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game started where something it needs is missing: each case says so in exactly one
# line on standard error, matching the case's pattern, and ends with the case's status,
# never an abort. The cases start from no display at all; each adds its own environment,
# and may run the game under a command (a lower limit of open files, say).
#   startup_failure_test.sh GAME
set -u
game=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

# status | pattern of the one line | environment and command before the game
cases=$(cat <<'END'
1 | rumitaku: .*\(cannot connect to a display: .*DISPLAY\)$                 |
1 | rumitaku: .*\(too few file descriptors left: raise the limit with ulimit -n\)$ | DISPLAY=:0 prlimit --nofile=16
END
)

failures=0
while IFS='|' read -r status pattern setup; do
    status=$(echo $status) pattern=$(echo "$pattern" | sed 's/^ *//; s/ *$//')
    err=$(cd "$work" && eval env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        XDG_RUNTIME_DIR="$work/runtime" "$setup" '"$game"' 2>&1 >/dev/null </dev/null)
    got=$?
    lines=$(printf '%s\n' "$err" | grep -c .)
    if [ "$got" -ne "$status" ] || [ "$lines" -ne 1 ] || ! printf '%s\n' "$err" | grep -Eq "$pattern"; then
        echo "FAIL:${setup:- no display}: status $got (wanted $status), $lines lines:"
        printf '%s\n' "$err"
        failures=$((failures + 1))
    else
        echo "ok:${setup:- no display}: $err"
    fi
done <<<"$cases"
[ "$failures" -eq 0 ]
