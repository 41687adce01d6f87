# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell tests. `need COMMAND PACKAGE` goes on when COMMAND is
# there, and `need_file FILE PACKAGE` when FILE is. Otherwise the test is skipped
# (status 77, which CTest reports as skipped), saying which Debian package brings
# what is missing; in CI, where tools/install-deps has installed every package the
# tests need, it fails.
need() {
    command -v "$1" >/dev/null 2>&1 && return 0
    missing "$1" "$2"
}

need_file() {
    [ -e "$1" ] && return 0
    missing "$1" "$2"
}

missing() {
    if [ -n "${CI:-}" ]; then
        echo "FAIL: $1 is missing (Debian package $2); tools/install-deps test installs it" >&2
        exit 1
    fi
    echo "SKIPPED: $1 is missing (Debian package $2; tools/install-deps test installs it)"
    exit 77
}
