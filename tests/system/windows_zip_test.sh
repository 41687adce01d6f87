#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows zip as a player and a packager take it: one folder holding a Windows program
# (no console of its own) with the game's icon and version, exactly the DLLs that it and
# its plugins import but Windows' own (which Wine has in its system folder), the windows
# platform and windowsvista style plugins, and the licences and the sources' whereabouts.
# The environment names the zip and Wine's prefix (see windows.cmake).
set -u
. "$(dirname "$0")/harness.sh"
need x86_64-w64-mingw32-objdump binutils-mingw-w64-x86-64
need wrestool icoutils
need unzip unzip
zip=${RUMITAKU_WINDOWS_ZIP:?run through tools/build-windows --tests}

unzip -q "$zip" -d "$work/unzipped" || fail "the zip does not unzip"
mapfile -t top < <(ls "$work/unzipped")
[ ${#top[@]} = 1 ] || fail "the zip holds ${#top[@]} things at its top, not one folder: ${top[*]}"
folder=$work/unzipped/${top[0]}
[ "${top[0]}" = "$(basename "$zip" .zip)" ] || fail "the zip's folder is called ${top[0]}"

exe=$folder/rumitaku.exe
x86_64-w64-mingw32-objdump -p "$exe" | grep -q '^Subsystem.*(Windows GUI)' \
    || fail "rumitaku.exe is not a Windows GUI program: a console would open with it"
wrestool -l "$exe" | grep -q 'type=14' || fail "rumitaku.exe has no icon"
wrestool -l "$exe" | grep -q 'type=16' || fail "rumitaku.exe has no version"
wrestool -x --raw -t 16 "$exe" | tr -d '\0' | grep -q 'rumitaku\.exe' || fail "rumitaku.exe's version does not name it"

# Every DLL any of the programs imports, in lower case as Windows takes names.
imports() {
    find "$folder" -iname '*.exe' -o -iname '*.dll' | while read -r program; do
        x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p'
    done | tr '[:upper:]' '[:lower:]' | sort -u
}
shipped=$(find "$folder" -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]' | sort)
imported=$(imports)
system=$(find "${RUMITAKU_WINE_PREFIX:?}/drive_c/windows/system32" -maxdepth 1 -iname '*.dll' -printf '%f\n' 2>/dev/null \
    | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$system" ] || fail "Wine's prefix has no system folder to tell Windows' own DLLs by"
# The API sets (api-ms-win-*, ext-ms-win-*) are names Windows itself resolves, not files.
missing=$(comm -23 <(echo "$imported" | grep -v '^\(api\|ext\)-ms-win-') <(sort -u <(echo "$shipped") <(echo "$system")))
[ -z "$missing" ] || fail "imported but not in the zip: $missing"
unused=$(comm -13 <(echo "$imported") <(echo "$shipped"))
[ -z "$unused" ] || fail "in the zip but imported by nothing: $unused"
echo "the zip's DLLs: $(echo $shipped)"

plugins=$(cd "$folder" && find . -mindepth 2 -iname '*.dll' | sort | tr '\n' ' ')
[ "$plugins" = "./platforms/qwindows.dll ./styles/qwindowsvistastyle.dll " ] \
    || fail "the zip's plugins are $plugins"

# No DLL keeps the debugging sections Debian's carry.
for dll in "$folder"/*.dll; do
    x86_64-w64-mingw32-objdump -h "$dll" | grep -q '\.debug_' && fail "$(basename "$dll") is not stripped"
done

grep -q 'GNU GENERAL PUBLIC LICENSE' "$folder/COPYING.txt" || fail "no licence of the game's"
grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$folder/licences/qt/LGPL-3.0-only.txt" || fail "no LGPL for Qt"
grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$folder/licences/gcc-runtime.txt" || fail "no GCC runtime exception"
grep -q 'winpthreads' "$folder/licences/mingw-w64.txt" || fail "no licence of winpthreads"
grep -q "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)" "$folder/SOURCES.txt" \
    || fail "SOURCES.txt does not name Qt's Debian source"
echo "the zip holds the game, what it loads, its licences and its sources' whereabouts"
