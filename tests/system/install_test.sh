#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts the binary, the manual page, the desktop entry, the icons
# and the metainfo in their places under the prefix, and the entry starts the binary by
# its installed path, staged under DESTDIR too. The entry and the metainfo pass
# the desktop's own validators at their strictest, but for what the metainfo itself
# explains in a comment (what one version of AppStream or another asks); the metainfo's
# Japanese text keeps step with the English, and its screenshot is the picture kept in
# data/screenshots, at its size.
#   install_test.sh BUILD_DIR APP_ID
set -u
. "$(dirname "$0")/harness.sh"
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

build=$1
id=$2
data=$(dirname "$0")/../../data
root=$work
failures=0
mark_failed() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$root/usr" >/dev/null || fail "cmake --install"

# The width and height a PNG file says it has.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

[ -x "$root/usr/bin/rumitaku" ] || mark_failed "no executable usr/bin/rumitaku"
[ -f "$root/usr/share/man/man6/rumitaku.6" ] || mark_failed "no manual page share/man/man6/rumitaku.6"
entry=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || mark_failed "no scalable icon"
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$png" ]; then
        mark_failed "no ${size}x${size} icon"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        mark_failed "the ${size}x${size} icon is $(png_size "$png")"
    fi
done

desktop-file-validate "$entry" >"$root/desktop.out" 2>&1 || mark_failed "desktop-file-validate"
[ -s "$root/desktop.out" ] && mark_failed "desktop-file-validate says: $(cat "$root/desktop.out")"
# Without the network, which CI does not have: it would only try to fetch the screenshot.
appstreamcli validate --pedantic --explain --no-net "$metainfo" >"$root/appstream.out" 2>&1
status=$?
# Every issue it reports, of any level, must be one the file explains, by its tag; it
# fails the file for a warning the file explains too (a missing homepage), but not without one.
sed -n 's/^[EWIP]: [^ ]*: \([a-z0-9-]*\).*/\1/p' "$root/appstream.out" | sort -u >"$root/issues"
if [ "$status" -ne 0 ] && [ ! -s "$root/issues" ]; then
    cat "$root/appstream.out"
    mark_failed "appstreamcli validate failed, naming no issue"
fi
comments=$(sed -n '/<!--/,/-->/p' "$metainfo")
while read -r issue; do
    printf '%s' "$comments" | grep -q "\"$issue\"" || { cat "$root/appstream.out"; mark_failed "appstreamcli says $issue"; }
done <"$root/issues"

# The Japanese translation beside each English text (the developer's name stays as it is);
# the summary as short as software centres show it.
texts=$(sed '/<developer[ >]/,/<\/developer>/d' "$metainfo")
for element in name summary caption p; do
    english=$(printf '%s\n' "$texts" | grep -c "<$element>")
    japanese=$(printf '%s\n' "$texts" | grep -c "<$element xml:lang=\"ja\">")
    [ "$english" -gt 0 ] && [ "$english" = "$japanese" ] ||
        mark_failed "$english <$element> in English, $japanese in Japanese"
done
summary=$(sed -n 's|^ *<summary>\(.*\)</summary>$|\1|p' "$metainfo")
[ "${#summary}" -le 35 ] || mark_failed "the summary has ${#summary} characters: $summary"
# The screenshot's address ends in its path under data/.
image=$(sed -n 's|^ *<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">https://[^/]*/\(.*\)</image>$|\1x\2 \3|p' "$metainfo")
if [ ! -f "$data/${image#* }" ]; then
    mark_failed "the screenshot '$image' is not in data/"
elif [ "$(png_size "$data/${image#* }")" != "${image%% *}" ]; then
    mark_failed "the screenshot is $(png_size "$data/${image#* }"), the metainfo says ${image%% *}"
fi

# The entry names the game, files it as a game, and starts and shows what was installed.
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = Rumitaku ] || mark_failed "Name is '$(value Name)'"
[ "$(value 'Name\[ja\]')" = ルミタク ] || mark_failed "Name[ja] is '$(value 'Name\[ja\]')'"
[ "$(value Categories)" = "Game;ArcadeGame;" ] || mark_failed "Categories are '$(value Categories)'"
# Started by its full path, which a launcher finds whatever its PATH.
[ "$(value Exec)" = "$root/usr/bin/rumitaku" ] && [ -x "$(value Exec)" ] ||
    mark_failed "Exec '$(value Exec)' is not the installed binary's path"
[ "$(value Icon)" = "$id" ] || mark_failed "Icon is '$(value Icon)'"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || mark_failed "metainfo does not launch $id.desktop"

# Staged under DESTDIR, as a package is built, the entry names the path the package installs
# the binary at; a prefix with a space in it is quoted.
DESTDIR=$root/staged cmake --install "$build" --prefix "/opt/rumi taku" >/dev/null ||
    fail "cmake --install with DESTDIR"
staged=$root/staged/opt/rumi\ taku/share/applications/$id.desktop
[ "$(sed -n 's/^Exec=//p' "$staged")" = '"/opt/rumi taku/bin/rumitaku"' ] ||
    mark_failed "staged under DESTDIR, Exec is '$(sed -n 's/^Exec=//p' "$staged")'"
[ -x "$root/staged/opt/rumi taku/bin/rumitaku" ] || mark_failed "no executable staged under DESTDIR"
desktop-file-validate "$staged" >"$root/staged.out" 2>&1 && [ ! -s "$root/staged.out" ] ||
    mark_failed "desktop-file-validate says of the staged entry: $(cat "$root/staged.out")"

[ "$failures" -eq 0 ] && echo "installed and valid"
[ "$failures" -eq 0 ]
