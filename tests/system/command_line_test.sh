#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line, with no display: --help and --version answer and exit 0; any other
# argument gets one line naming --help and status 2; Qt's own options still reach Qt,
# so that -platform offscreen starts the game, which then waits at its start message.
#   command_line_test.sh BINARY
binary=$1
. "$(dirname "$0")/harness.sh"
out=$work/out err=$work/err runtime=$work/runtime
mkdir -m 700 "$runtime"
failed=0

mark_failed() {
    echo "FAIL: $*"
    echo "stdout:"; cat "$out"
    echo "stderr:"; cat "$err"
    failed=1
}

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@" >"$out" 2>"$err"
}

for option in --help -h; do
    run "$binary" "$option"
    status=$?
    [ "$status" -eq 0 ] || mark_failed "$option: status $status"
    grep -q -- '--version' "$out" || mark_failed "$option does not name --version"
    grep -q '^Usage: rumitaku' "$out" || mark_failed "$option does not give the usage"
    [ -s "$err" ] && mark_failed "$option wrote to stderr"
done

run "$binary" --version
status=$?
[ "$status" -eq 0 ] || mark_failed "--version: status $status"
[ "$(cat "$out")" = "rumitaku 0.1.0" ] || mark_failed "--version printed something else"

for bad in --foo -x bar "-platform"; do
    run "$binary" "$bad"
    status=$?
    [ "$status" -eq 2 ] || mark_failed "$bad: status $status"
    [ "$(grep -c . "$err")" -eq 1 ] || mark_failed "$bad: not one line on stderr"
    grep -q -- "^rumitaku: .*--help" "$err" || mark_failed "$bad: the line does not name --help"
    [ -s "$out" ] && mark_failed "$bad wrote to stdout"
done
run "$binary" --foo
grep -qx -- "rumitaku: unknown option '--foo' (see rumitaku --help)" "$err" || mark_failed "--foo: not named as given"

# Still running a few seconds later, with no word of its own: it went past its command
# line. (Qt's offscreen platform says what it cannot do for the window.)
run timeout 5 "$binary" -platform offscreen -reverse
status=$?
[ "$status" -eq 124 ] || mark_failed "-platform offscreen: the game ended with status $status"
grep -q '^rumitaku:' "$err" && mark_failed "-platform offscreen: the game refused to start"

exit $failed
