#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer under Wine, as a user without administrator's rights runs it: /S
# installs the game into the user's programs folder, with a Start-menu entry and an entry
# among the installed apps that names its silent uninstaller; the installed game starts
# (it says its version); the uninstaller, /S too, removes every file and registry value
# the installer made and nothing else: a file the player left in the game's folder stays.
# The environment names the installer and the Wine prefix it copies (see windows.cmake).
set -u
. "$(dirname "$0")/harness.sh"
need wine wine
setup=${RUMITAKU_WINDOWS_SETUP:?run through tools/build-windows --tests}

# A prefix of the test's own, so that what it leaves behind is the installer's alone.
"$RUMITAKU_WINE_RUN" "$RUMITAKU_WINE_PREFIX" -- cmd /c exit 0 || fail "Wine does not start"
prefix=$work/prefix
cp -a "$RUMITAKU_WINE_PREFIX" "$prefix"
run() {
    "$RUMITAKU_WINE_RUN" "$prefix" -- "$@"
}
on_exit "WINEPREFIX='$prefix' wineserver -k 2>/dev/null"

# What the user's part of the prefix holds: its files (but the temporary ones, and Wine's
# own in its Windows folder) and the user's registry keys, less the times and blank lines Wine writes.
snapshot() {
    (cd "$prefix/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
    WINEPREFIX=$prefix wineserver -w
    grep -v '^#time=\|^\[.*\] [0-9]*$\|^$' "$prefix/user.reg"
}
user_dir=$(run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
installed=$(WINEPREFIX=$prefix winepath -u "$user_dir\\Programs\\rumitaku" 2>/dev/null)
# Windows' own folder for the user's programs, which stays as on Windows.
mkdir -p "$(dirname "$installed")"
snapshot >"$work/before"
menu=$(WINEPREFIX=$prefix winepath -u "$(run cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs" 2>/dev/null)
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\rumitaku'

run "$(WINEPREFIX=$prefix winepath -w "$setup")" /S || fail "the installer failed"
WINEPREFIX=$prefix wineserver -w
[ -f "$installed/rumitaku.exe" ] || fail "no rumitaku.exe in $installed"
[ -f "$installed/platforms/qwindows.dll" ] || fail "the installed game has no platform plugin"
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
[ -f "$menu/ルミタク.lnk" ] || fail "no Start-menu entry ルミタク in $menu: $(ls "$menu")"
# As regedit exports it, in UTF-16, which the console's code page would not show.
run reg export "$key" 'C:\uninstall-entry.reg' >/dev/null || fail "the installed apps do not list the game"
entry=$(iconv -f UTF-16 -t UTF-8 "$prefix/drive_c/uninstall-entry.reg" | tr -d '\r')
rm "$prefix/drive_c/uninstall-entry.reg"
grep -qx '"DisplayName"="ルミタク"' <<<"$entry" || fail "the installed apps do not list ルミタク: $entry"
grep -qF 'uninstall.exe\" /S"' <<<"$entry" || fail "the installed apps' entry names no silent uninstaller: $entry"
version=$(run "$installed/rumitaku.exe" --version | tr -d '\r')
[ "$version" = "rumitaku $(basename "$setup" | sed 's/^rumitaku-\([^-]*\)-.*/\1/')" ] \
    || fail "the installed game says its version is '$version'"
echo "installed into $user_dir\\Programs\\rumitaku, with its Start-menu entry"

# The player's own file in the game's folder stays, and the folder with it.
echo "mine" >"$installed/notes.txt"
run "$(WINEPREFIX=$prefix winepath -w "$installed/uninstall.exe")" /S || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself in the temporary folder, which ends after it.
WINEPREFIX=$prefix wineserver -w
poll 30 test ! -e "$installed/rumitaku.exe" || fail "the uninstaller left rumitaku.exe"
[ "$(ls -A "$installed")" = notes.txt ] || fail "the uninstaller left $(ls -A "$installed" | tr '\n' ' ')"
rm "$installed/notes.txt"
rmdir "$installed"
snapshot >"$work/after"
diff "$work/before" "$work/after" >"$work/left" || fail "installing and uninstalling left: $(cat "$work/left")"
echo "uninstalled silently, leaving nothing but the player's own file"
