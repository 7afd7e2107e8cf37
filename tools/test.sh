#!/bin/sh
# Installs what is missing, builds the native and the Windows presets and runs every test:
# the core natively, then the core and the Win32 tests under Wine in a private Xvfb display.
set -u
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

sh tools/setup-debian.sh || exit 1

status=0
{ cmake --preset native && cmake --build --preset native -j "$jobs"; } || exit 1
ctest --preset native -j "$jobs" || status=1

{ cmake --preset windows && cmake --build --preset windows -j "$jobs"; } || exit 1
tools/with-xvfb.sh ctest --preset windows || status=1

exit $status
