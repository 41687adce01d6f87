#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's words on a terminal, in the encoding of the locale it runs in: a start-up
# failure's one line (no display), --help, and the line for an unknown option, which
# names the option as it was typed. Where the encoding has Japanese (UTF-8, EUC-JP,
# Shift_JIS), the Japanese and English words, encoded in it byte for byte; where it has
# none (ISO-8859-1, the C locale's ASCII), the English words alone.
#   terminal_encoding_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/locales.sh"
need iconv libc-bin

binary=$1
mkdir -m 700 "$work/runtime"
failures=0

# The game in a locale, with no display, its standard output and error to OUT and ERR.
run_in() {
    local locale=$1 out=$2 err=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u LANGUAGE -u LC_ALL \
        -u LC_CTYPE -u LC_MESSAGES LOCPATH="$work/locales" LANG="$locale" XDG_RUNTIME_DIR="$work/runtime" \
        "$binary" "$@" >"$out" 2>"$err" </dev/null
}

# expect NAME WANTED(UTF-8) ENCODING FILE: FILE holds WANTED in ENCODING, byte for byte.
expect() {
    if ! printf '%s' "$2" | iconv -f UTF-8 -t "$3" >"$work/wanted" || ! cmp -s "$work/wanted" "$4"; then
        echo "FAIL: $1: wanted, in $3:"
        printf '%s' "$2"
        echo "got, read as $3:"
        iconv -f "$3" -t UTF-8 <"$4" || od -c "$4"
        failures=$((failures + 1))
    fi
}

no_display_ja="rumitaku: ディスプレイに接続できません (cannot connect to a display: start it from a desktop session or set DISPLAY)"
no_display_en="rumitaku: cannot connect to a display: start it from a desktop session or set DISPLAY"
about_ja="ルミタク: 光ったマスを消える前にクリックする反射神経ゲーム (a reflex game: click the lit cells before they go out)"
about_en="a reflex game: click the lit cells before they go out"

# The help as a UTF-8 terminal shows it, which the others show in their encodings.
run_in C.UTF-8 "$work/help" "$work/err" --help
grep -qxF "$about_ja" "$work/help" || { echo "FAIL: --help does not describe the game:"; cat "$work/help"; exit 1; }

# locale | its encoding, as iconv names it | whether it has Japanese | an option typed in it
while IFS='|' read -r locale encoding japanese option; do
    [ "$locale" = C ] || [ "$locale" = C.UTF-8 ] || make_locale "$work/locales" "$locale"
    before=$failures

    run_in "$locale" "$work/out" "$work/err"
    [ "$japanese" = yes ] && line=$no_display_ja || line=$no_display_en
    expect "$locale: no display" "$line"$'\n' "$encoding" "$work/err"

    run_in "$locale" "$work/out" "$work/err" --help
    [ "$japanese" = yes ] && help=$(cat "$work/help") || help=$(sed "s/^$about_ja\$/$about_en/" "$work/help")
    expect "$locale: --help" "$help"$'\n' "$encoding" "$work/out"

    typed=$(printf '%s' "$option" | iconv -f UTF-8 -t "$encoding")
    run_in "$locale" "$work/out" "$work/err" "$typed"
    expect "$locale: unknown option" "rumitaku: unknown option '$option' (see rumitaku --help)"$'\n' "$encoding" "$work/err"

    [ "$failures" = "$before" ] && echo "ok: $locale"
done <<'END'
C.UTF-8|UTF-8|yes|--速さ
ja_JP.UTF-8|UTF-8|yes|--速さ
ja_JP.EUC-JP|EUC-JP|yes|--速さ
ja_JP.SHIFT_JIS|SHIFT_JIS|yes|--速さ
en_US.ISO-8859-1|ISO-8859-1|no|--vitesse-élevée
C|ASCII|no|--speed
END

[ "$failures" -eq 0 ]
