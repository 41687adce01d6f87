# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that start the game in locales the system may not have. The
# locales are compiled from the system's sources into a directory of the test's own,
# and the game alone is given it: the system's locales are left as they are.
#   make_locale DIR NAME     compiles NAME (language_TERRITORY.CHARMAP, e.g. ja_JP.EUC-JP)
#                            into DIR; start the game with LOCPATH=DIR LANG=NAME
# shellcheck shell=bash

. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
need localedef libc-bin
need_file /usr/share/i18n/locales/ja_JP locales

make_locale() {
    mkdir -p "$1"
    # Shift_JIS is not a superset of ASCII (0x5C is the yen sign), which localedef warns of
    # with status 1; it compiles the locale all the same, as Japanese systems have it.
    localedef -i "${2%%.*}" -f "${2#*.}" "$1/$2" >/dev/null 2>&1
    [ -f "$1/$2/LC_CTYPE" ] || fail "localedef could not make the locale $2"
}
