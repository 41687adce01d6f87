# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by every shell test (and, through x_session.sh, by tools/bench and
# tools/screenshot): what each of them needs around its own checks.
#
#   $work                      a temporary folder of the test's own, removed on exit
#   on_exit COMMAND            runs COMMAND (a string, as for trap) when the script exits;
#                              the last registered runs first, each whatever the others did
#   fail MESSAGE               says FAIL with MESSAGE, and what the game said if the script
#                              set $game_err to its standard error (less the lines of a
#                              Wayland protocol trace, which begin with '['), and exits 1
#   poll SECONDS COMMAND...    true as soon as COMMAND succeeds, tried every tenth of a
#                              second; false once SECONDS have gone by
#   wait_until SECONDS COMMAND...  the same, failing the test on time-out
#   need COMMAND PACKAGE       goes on when COMMAND is there, need_file FILE PACKAGE when FILE
#                              is; otherwise skips the test (status 77, which CTest reports as
#                              skipped) naming the Debian package that brings it; in CI, where
#                              tools/install-deps has installed every package the tests need,
#                              it fails instead; need_qt_wayland when Qt's Wayland plugin is
#                              installed, whatever its file is called in this version of Qt
#   start_session_bus PATH     a private D-Bus session bus at PATH, ended on exit; sets
#                              $bus_address. What it starts keeps its GSettings in memory: a
#                              setting a test makes (the screen reader's switch, stored by the
#                              accessibility bus's launcher) never reaches the desktop of
#                              whoever runs the tests
#   need_screen_reader         goes on when what start_screen_reader needs is there (as need)
#   start_screen_reader        on that bus, a listener as a screen reader started with the
#                              desktop: Qt's accessibility bridge then hands it every key before
#                              the game gets it; sets $registry, the process id of the session's
#                              accessibility registry, through which the keys go
#   hold_registry, let_registry_go  stops the registry (SIGSTOP), and lets it go on: a screen
#                              reader slow to answer, as Orca is; a registry held at exit is let go
# shellcheck shell=bash

# x_session.sh and locales.sh source it too; a test that sources them keeps its one folder.
if [ -z "${harness_exits+set}" ]; then
    work=$(mktemp -d)
    harness_exits=()
    trap harness_exit EXIT
fi

on_exit() {
    harness_exits=("$1" "${harness_exits[@]}")
}

harness_exit() {
    local status=$? command
    for command in "${harness_exits[@]}"; do
        eval "$command" || true
    done
    rm -rf "$work"
    exit "$status"
}

fail() {
    echo "FAIL: $*"
    [ -s "${game_err:-}" ] && { echo "the game said:"; grep -v '^\[' "$game_err"; }
    exit 1
}

poll() {
    local tries
    for tries in $(seq $(($1 * 10))); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

wait_until() {
    poll "$@" || fail "waited $1 s in vain for: ${*:2}"
}

need() {
    command -v "$1" >/dev/null 2>&1 && return 0
    missing "$1" "$2"
}

need_file() {
    [ -e "$1" ] && return 0
    missing "$1" "$2"
}

# libqwayland-generic.so, or libqwayland.so from Qt 6.10 on.
need_qt_wayland() {
    [ -n "$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland*.so' 2>/dev/null | head -n 1)" ] && return 0
    missing "Qt's Wayland plugin" qt6-wayland
}

start_session_bus() {
    local pid
    # What the bus starts keeps its sockets beside the bus's: the accessibility bus's would
    # otherwise be the same for every test of the user's that has no display yet.
    XDG_RUNTIME_DIR=$(dirname "$1") GSETTINGS_BACKEND=memory dbus-daemon --session --nofork --address="unix:path=$1" --print-address=3 \
        3>"$work/bus-address" >"$work/bus.log" 2>&1 &
    pid=$!
    on_exit "kill $pid 2>/dev/null"
    poll 10 test -s "$work/bus-address"
    bus_address=$(head -n 1 "$work/bus-address")
    [ -n "$bus_address" ] || fail "the session bus did not start"
}

need_screen_reader() {
    need dbus-daemon dbus-daemon
    need_file /usr/libexec/at-spi-bus-launcher at-spi2-core
    need /usr/bin/python3 python3
    /usr/bin/python3 -c 'import dbus' 2>/dev/null || missing python3-dbus-module python3-dbus
}

start_screen_reader() {
    local listener
    WAIT=300 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$bus_address" listen object:state-changed:focused \
        >"$work/listener.out" 2>&1 &
    listener=$!
    on_exit "kill $listener 2>/dev/null"
    poll 10 screen_reader_settled "$listener"
    grep -q listening "$work/listener.out" || fail "the listener did not register: $(cat "$work/listener.out")"
    registry=$("$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$bus_address" registry) || fail "no accessibility registry"
}

hold_registry() {
    kill -STOP "$registry" || fail "could not hold the accessibility registry"
    on_exit "kill -CONT $registry 2>/dev/null"
}

let_registry_go() {
    kill -CONT "$registry" || fail "could not let the accessibility registry go on"
}

screen_reader_settled() {
    grep -qs listening "$work/listener.out" || ! kill -0 "$1" 2>/dev/null
}

missing() {
    if [ -n "${CI:-}" ]; then
        echo "FAIL: $1 is missing (Debian package $2); tools/install-deps test installs it" >&2
        exit 1
    fi
    echo "SKIPPED: $1 is missing (Debian package $2; tools/install-deps test installs it)"
    exit 77
}
