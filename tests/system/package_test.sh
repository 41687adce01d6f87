#!/bin/sh
# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` builds a package that depends on the libraries the binary
# links, the Japanese font and Qt's display plugins; unpacked into a scratch
# root, its binary starts on the offscreen platform and waits at the start
# message until it is stopped, having said nothing.
#   package_test.sh BUILD_DIR
set -u
. "$(dirname "$0")/need.sh"
need dpkg-shlibdeps dpkg-dev
need dpkg-deb dpkg

build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.out" 2>&1 || {
    cat "$scratch/cpack.out"
    echo "FAIL: cpack"
    exit 1
}
deb=$(ls "$scratch"/out/rumitaku_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-ipafont-gothic qt6-qpa-plugins; do
    printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" || fail "does not depend on $package: $depends"
done

dpkg-deb -x "$deb" "$scratch/root"
binary=$scratch/root/usr/bin/rumitaku
[ -x "$binary" ] || { echo "FAIL: no usr/bin/rumitaku in the package"; exit 1; }

# The start message is modal and nothing answers it here: the game waits there
# until stopped, and timeout's status 124 says it was still running then.
mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$binary" >"$scratch/out.txt" 2>"$scratch/err.txt"
status=$?
[ "$status" -eq 124 ] || fail "the installed binary ended by itself with status $status"
# The offscreen platform's own remark about window sizes is no fault of the game's.
grep -v '^This plugin does not support propagateSizeHints()$' "$scratch/err.txt" >"$scratch/said.txt"
if [ -s "$scratch/said.txt" ] || [ -s "$scratch/out.txt" ]; then
    fail "the installed binary said:"
    cat "$scratch/out.txt" "$scratch/said.txt"
fi

[ "$failures" -eq 0 ] && echo "package installs and starts"
[ "$failures" -eq 0 ]
