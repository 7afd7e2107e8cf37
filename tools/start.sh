#!/bin/sh
# Builds the Windows program and starts it under Wine on a virtual desktop of 1024 x 768,
# in this build's own Wine prefix. Needs a display (DISPLAY set).
. "$(dirname "$0")/common.sh"
build_preset windows ormelin
if [ -z "${DISPLAY:-}" ]; then
    echo "start: no display; set DISPLAY to an X server" >&2
    exit 1
fi
exec tools/wine-run.sh "$root/build/windows/wineprefix" \
    explorer /desktop=ormelin,1024x768 "$root/build/windows/bin/ormelin.exe"
