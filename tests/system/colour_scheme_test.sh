#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a KDE Plasma desktop in the Breeze Dark colour scheme, as Qt's own KDE
# platform theme reads it from kdeglobals in a fresh home: the start message follows the
# dark scheme, while the window keeps every colour of a light desktop, to the pixel, and
# each caption in the default colour (the frames', the speed buttons', the headings')
# stands out from its ground at a contrast of 4.5:1 or more, read from the screenshot.
#   colour_scheme_test.sh BINARY
set -u
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/board.sh"
e2e_require

binary=$1

# Breeze Dark's colours of windows, buttons, views and selections.
home=$work/home
mkdir -p "$home/.config"
cat >"$home/.config/kdeglobals" <<'END'
[Colors:Button]
BackgroundNormal=41,44,48
ForegroundNormal=252,252,252

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252

[Colors:View]
BackgroundAlternate=29,31,34
BackgroundNormal=20,22,24
ForegroundNormal=252,252,252

[Colors:Window]
BackgroundNormal=32,35,38
ForegroundNormal=252,252,252
END
dark_window=202326

# The game's window and start message in the session of the given environment: their
# screenshots into $work/NAME.png and $work/NAME-message.png.
shoot_session() {
    local name=$1
    shift
    e2e_start_game env -u XDG_CONFIG_HOME -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP \
        -u KDE_SESSION_VERSION -u KDE_FULL_SESSION HOME="$home" "$@" "$binary"
    start=$(e2e_window '^ルミタク$')
    [ -n "$start" ] || fail "$name: no start message"
    main=$(e2e_window '^Form1$')
    [ -n "$main" ] || fail "$name: no game window"
    e2e_shot "$main" "$work/$name.png" || fail "$name: no screenshot of the window"
    e2e_shot "$start" "$work/$name-message.png" || fail "$name: no screenshot of the start message"
    e2e_end_game
}

# The colour of the pixel at X,Y of a screenshot, as RRGGBB.
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | awk 'NR == 2 { print substr($3, 2, 6) }'
}

# The contrast ratio, as the Web Content Accessibility Guidelines define it, between the
# ground R,G,B and the pixel of the area W×H at X,Y of a screenshot that stands out most.
ink_contrast() {
    local file=$1 x=$2 y=$3 width=$4 height=$5 ground=$6
    convert "$file" -crop "${width}x$height+$x+$y" +repage -depth 8 txt:- | awk -v ground="$ground" '
        function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function luminance(rgb,   c) {
            split(rgb, c, ",")
            return 0.2126 * linear(c[1]) + 0.7152 * linear(c[2]) + 0.0722 * linear(c[3])
        }
        function ratio(a, b) { return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05) }
        BEGIN { g = luminance(ground); most = 1 }
        NR > 1 {
            rgb = $2
            gsub(/[()]/, "", rgb)
            r = ratio(luminance(rgb), g)
            if (r > most) most = r
        }
        END { printf "%.2f\n", most }'
}

e2e_start_xvfb
shoot_session light
shoot_session dark XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KDE_FULL_SESSION=true

# The dark scheme reached the game: its start message is drawn in it.
[ "$(pixel "$work/dark-message.png" 2 2)" = "$dark_window" ] ||
    fail "the start message is not in the dark scheme: $(pixel "$work/dark-message.png" 2 2)"
[ "$(pixel "$work/light-message.png" 2 2)" != "$dark_window" ] || fail "the light session is dark"

# The window beside the start message, which stands over the board: every pixel as in the light session.
panel=(480 0 223 504)
[ "$(e2e_signature "$work/dark.png" "${panel[@]}")" = "$(e2e_signature "$work/light.png" "${panel[@]}")" ] ||
    fail "the window's colours change in the dark scheme"

# caption | the area it stands in, x y width height, inside any edge | its ground R,G,B
while IFS='|' read -r caption area ground; do
    read -r x y width height <<<"$area"
    ratio=$(ink_contrast "$work/dark.png" "$x" "$y" "$width" "$height" "$ground")
    awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' || fail "$caption: contrast $ratio:1 against its ground"
    echo "ok: $caption $ratio:1"
done <<'END'
色の説明|552 248 48 11|255,255,255
速度変更|512 392 48 11|255,255,255
早い|514 410 44 28|128,128,255
普通？|578 410 44 28|255,255,0
遅い|642 410 44 28|255,128,128
得点|552 72 105 24|192,255,192
時間|544 160 113 16|192,255,192
END
