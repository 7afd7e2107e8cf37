#!/bin/sh
# Builds the release program that this machine runs (the 32-bit one, or the 64-bit one where no 32-bit
# code runs), says which, and starts it under Wine, in the Japanese locale whatever the user's own, so
# that its menus and dialogs read as they are written. With a display it runs on a Wine desktop of
# 1024 x 768 there; without one it takes a short tour in a private display and prints what it copied.
. "$(dirname "$0")/common.sh"
eval "$(tools/wine-arch.sh)"
build_preset "release$suffix" >/dev/null
picker=$root/build/release$suffix/bin/ormelin.exe
echo "Starting the $bits-bit build, $picker${why_not:+, since 32-bit Windows programs do not run here: $why_not}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
prefix=$root/build/release$suffix/wineprefix
if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run.sh "$prefix" "$picker"
fi
build_preset "windows$suffix" journey_helper >/dev/null
XVFB_WINE_PREFIXES=$prefix exec tools/with-xvfb.sh sh tools/tour.sh "$root/build/windows$suffix/bin" "$prefix" "$picker"
