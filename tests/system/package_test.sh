#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made the distribution's way: `dpkg-buildpackage -us -uc -b` in
# a copy of the source tree (so that the tree stays clean) builds rumitaku_*.deb, which
# lintian passes with no error and no warning. Installed with apt-get, it puts the game
# in /usr/games, where it tells the package's version and starts on the offscreen
# platform and waits at the start message, having said nothing; purged, it leaves none
# of its files behind.
#   package_test.sh SOURCE_DIR
# It installs and removes the package on this machine, so it needs root, and it leaves
# alone a machine where rumitaku is installed already.
set -u
. "$(dirname "$0")/harness.sh"
need dpkg-buildpackage dpkg-dev
need dh debhelper
need lintian lintian
need apt-get apt
need chrt util-linux

source_dir=$(realpath "$1")
scratch=$work
installed_here=false
on_exit '$installed_here && apt-get purge -y -q -o DPkg::Lock::Timeout=300 rumitaku >/dev/null 2>&1'
failures=0
mark_failed() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Skips, or fails in CI, when the machine cannot take the test.
cannot() {
    if [ -n "${CI:-}" ]; then
        echo "FAIL: $*" >&2
        exit 1
    fi
    echo "SKIPPED: $*"
    exit 77
}
(cd "$source_dir" && dpkg-checkbuilddeps) >"$scratch/builddeps.txt" 2>&1 ||
    cannot "$(cat "$scratch/builddeps.txt"); tools/install-deps test installs them"
[ "$(id -u)" -eq 0 ] || cannot "installing the package needs root"
# What dpkg knows of the package: nothing, or not-installed, when it is not there.
package_status() { dpkg-query -W -f='${db:Status-Status}' rumitaku 2>/dev/null | grep -vx not-installed; }
if [ -n "$(package_status)" ]; then
    cannot "rumitaku is installed on this machine already; the test installs and removes it"
fi

# Building and linting take every core for a minute or more: at idle priority they take only
# what the other tests leave, and the tests that play the game run beside them unhindered.
spare_time() { chrt --idle 0 "$@"; }

# The tree as it is, without builds in it.
mkdir "$scratch/src"
tar -C "$source_dir" --exclude-vcs --exclude='./build*' --exclude=./obj-\* --exclude=./.cache -cf - . | tar -C "$scratch/src" -xf -
(cd "$scratch/src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" spare_time dpkg-buildpackage -us -uc -b) >"$scratch/build.log" 2>&1 || {
    tail -n 40 "$scratch/build.log"
    fail "dpkg-buildpackage"
}
deb=$(ls "$scratch"/rumitaku_*.deb)
echo "built $(basename "$deb")"

spare_time lintian --fail-on error,warning "$deb" >"$scratch/lintian.txt" 2>&1 || mark_failed "lintian says:"
grep -v '^running with root privileges is not recommended!$' "$scratch/lintian.txt"

# What the binary links comes from dh_shlibdeps: the packages that hold those libraries
# here (their names change between releases, as libqt6core6 became libqt6core6t64); what
# it loads at run time from debian/control.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for library in libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6 libc.so.6 libstdc++.so.6; do
    package=$(dpkg-query -S "*/$multiarch/$library" 2>/dev/null | sed -n '1s/[:,].*//p')
    [ -n "$package" ] || { mark_failed "no package holds $library here"; continue; }
    printf '%s\n' "$depends" | grep -qx "$package" ||
        mark_failed "does not depend on $package, which holds $library: $(dpkg-deb -f "$deb" Depends)"
done
for package in fonts-ipafont-gothic qt6-qpa-plugins; do
    printf '%s\n' "$depends" | grep -qx "$package" || mark_failed "does not depend on $package: $(dpkg-deb -f "$deb" Depends)"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || mark_failed "recommends '$(dpkg-deb -f "$deb" Recommends)'"

apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$scratch/install.log" 2>&1 || {
    cat "$scratch/install.log"
    fail "apt-get install"
}
installed_here=true
dpkg -L rumitaku >"$scratch/files.txt"
grep -qx /usr/games/rumitaku "$scratch/files.txt" || mark_failed "no /usr/games/rumitaku in the package"
grep -q '^/usr/bin/' "$scratch/files.txt" && mark_failed "the package puts files in /usr/bin"
man -w rumitaku 2>/dev/null | grep -qx /usr/share/man/man6/rumitaku.6.gz || mark_failed "man does not find rumitaku(6)"

# The program's version is the package's, less the Debian revision.
version=$(dpkg-deb -f "$deb" Version)
said=$(/usr/games/rumitaku --version 2>&1)
[ "$said" = "rumitaku ${version%-*}" ] || mark_failed "rumitaku --version says '$said', the package is $version"

# The start message is modal and nothing answers it here: the game waits there
# until stopped, and timeout's status 124 says it was still running then.
mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen timeout -s TERM 5 /usr/games/rumitaku >"$scratch/out.txt" 2>"$scratch/err.txt"
status=$?
[ "$status" -eq 124 ] || mark_failed "the installed game ended by itself with status $status"
# The offscreen platform's own remark about window sizes is no fault of the game's.
grep -v '^This plugin does not support propagateSizeHints()$' "$scratch/err.txt" >"$scratch/said.txt"
if [ -s "$scratch/said.txt" ] || [ -s "$scratch/out.txt" ]; then
    mark_failed "the installed game said:"
    cat "$scratch/out.txt" "$scratch/said.txt"
fi

apt-get purge -y -q -o DPkg::Lock::Timeout=300 rumitaku >"$scratch/purge.log" 2>&1 || {
    cat "$scratch/purge.log"
    mark_failed "apt-get purge"
}
installed_here=false
[ -z "$(package_status)" ] || mark_failed "rumitaku is still $(package_status) after the purge"
# Its files are gone, and so are the folders that were its alone.
while read -r path; do
    [ "$path" = /. ] && continue
    if [ -d "$path" ]; then
        dpkg-query -S "$path" >/dev/null 2>&1 || mark_failed "folder left behind: $path"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        mark_failed "left behind: $path"
    fi
done <"$scratch/files.txt"

[ "$failures" -eq 0 ] && echo "package builds, passes lintian, installs, starts and purges"
[ "$failures" -eq 0 ]
