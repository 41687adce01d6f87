#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game in a Japanese locale (ja_JP.UTF-8), where fontconfig names each font by its
# Japanese name, beside the C locale, with only the fonts of each case installed (a
# private fontconfig configuration): IPA P Gothic alone; IPA P Gothic beside Noto Sans CJK,
# as on a Japanese GNOME desktop; VL Gothic alone; IPA Gothic alone, the fixed-width one,
# which the game knows by no name; and no Japanese font at all. Where there is a Japanese
# font, the window and the start message over it are the same to the pixel in both locales,
# IPA P Gothic is drawn wherever it is installed, and the game says nothing; where there is
# none, it says so in one line.
#   japanese_locale_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/locales.sh"
e2e_require
need fc-list fontconfig

binary=$1
make_locale "$work/locales" ja_JP.UTF-8

# A fontconfig configuration that finds only the installed fonts of the given families,
# with the system's rules (aliases, preferences by language, rendering): CASE.conf.
fonts_of() {
    local case=$1 dir=$work/fonts/$1 family files
    shift
    mkdir -p "$dir"
    for family in "$@"; do
        files=$(fc-list -f '%{file}\n' ":family=$family")
        [ -n "$files" ] || fail "the font $family is not installed (tools/install-deps test installs it)"
        while read -r file; do ln -sf "$file" "$dir/"; done <<<"$files"
    done
    cat >"$work/$case.conf" <<END
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dir</dir>
  <cachedir>$work/fonts/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
END
}

# Starts the game with the fonts of a case in a locale, and keeps the screenshot of its
# window under the start message as CASE-LOCALE.png, and what it said on stderr as CASE-LOCALE.err.
play_in() {
    local case=$1 locale=$2 start main
    e2e_start_game env -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_MESSAGES FONTCONFIG_FILE="$work/$case.conf" \
        LOCPATH="$work/locales" LANG="$locale" "$binary"
    start=$(e2e_window '^ルミタク$')
    [ -n "$start" ] || fail "$case, $locale: no start message"
    main=$(e2e_window '^Form1$')
    [ -n "$main" ] || fail "$case, $locale: no game window"
    e2e_shot "$main" "$work/$case-$locale.png" || fail "$case, $locale: no screenshot"
    e2e_end_game
    cp "$E2E_GAME_ERR" "$work/$case-$locale.err"
}

signature() {
    e2e_signature "$work/$1.png" 0 0 703 504
}

e2e_start_xvfb
failures=0
# case | the families installed
while IFS='|' read -r case families; do
    eval "fonts_of $case $families"
    for locale in C.UTF-8 ja_JP.UTF-8; do
        play_in "$case" "$locale"
    done
    failed_before=$failures
    said_c=$(cat "$work/$case-C.UTF-8.err")
    said_ja=$(cat "$work/$case-ja_JP.UTF-8.err")
    if [ "$case" = none ]; then
        for said in "$said_c" "$said_ja"; do
            [ "$(printf '%s\n' "$said" | grep -c .)" = 1 ] && [[ "$said" == *"(no Japanese font found: "* ]] ||
                { echo "FAIL: $case: the game said: $said"; failures=$((failures + 1)); }
        done
        [ "$failures" = "$failed_before" ] && echo "ok: $case: $said_c"
        continue
    fi
    [ -z "$said_c$said_ja" ] || { echo "FAIL: $case: the game said: $said_c$said_ja"; failures=$((failures + 1)); }
    [ "$(signature "$case-C.UTF-8")" = "$(signature "$case-ja_JP.UTF-8")" ] ||
        { echo "FAIL: $case: the window differs in ja_JP.UTF-8 from C.UTF-8"; failures=$((failures + 1)); }
    [ "$failures" = "$failed_before" ] && echo "ok: $case"
done <<'END'
ipa|IPAPGothic "DejaVu Sans"
ipa-noto|IPAPGothic "Noto Sans CJK JP" "DejaVu Sans"
vl|"VL PGothic" "VL Gothic" "DejaVu Sans"
ipa-fixed|IPAGothic "DejaVu Sans"
none|"DejaVu Sans"
END

[ "$(signature ipa-noto-ja_JP.UTF-8)" = "$(signature ipa-ja_JP.UTF-8)" ] ||
    { echo "FAIL: beside Noto Sans CJK, the window is not drawn in IPA P Gothic"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
