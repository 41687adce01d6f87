#!/bin/sh
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts the binary, the desktop entry, the icons and the
# metainfo in their places under the prefix, and the entry and the metainfo
# pass the desktop's own validators.
#   install_test.sh BUILD_DIR APP_ID
set -u
. "$(dirname "$0")/need.sh"
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$root/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

# The width and height a PNG file says it has.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

[ -x "$root/usr/bin/rumitaku" ] || fail "no executable usr/bin/rumitaku"
entry=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$png" ]; then
        fail "no ${size}x${size} icon"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        fail "the ${size}x${size} icon is $(png_size "$png")"
    fi
done

desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$root/appstream.out" 2>&1 || {
    cat "$root/appstream.out"
    fail "appstreamcli validate"
}

# The entry names the game, files it as a game, and starts and shows what was installed.
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = "ルミタク" ] || fail "Name is '$(value Name)'"
[ "$(value Categories)" = "Game;ArcadeGame;" ] || fail "Categories are '$(value Categories)'"
[ -x "$root/usr/bin/$(value Exec)" ] || fail "Exec '$(value Exec)' is not the installed binary"
[ "$(value Icon)" = "$id" ] || fail "Icon is '$(value Icon)'"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo does not launch $id.desktop"

[ "$failures" -eq 0 ] && echo "installed and valid"
[ "$failures" -eq 0 ]
