#!/bin/sh
# Builds the Windows program and starts it under Wine on a virtual desktop of 1024 x 768,
# in this build's own Wine prefix. Needs a display (DISPLAY set).
set -eu
cd "$(dirname "$0")/.."

sh tools/setup-debian.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ormelin -j "$(nproc 2>/dev/null || echo 2)"
if [ -z "${DISPLAY:-}" ]; then
    echo "start: no display; set DISPLAY to an X server" >&2
    exit 1
fi
exec tools/wine-run.sh "$PWD/build/windows/wineprefix" \
    explorer /desktop=ormelin,1024x768 "$PWD/build/windows/bin/ormelin.exe"
