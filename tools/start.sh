#!/bin/sh
# Builds the release program and starts it under Wine, in the Japanese locale whatever the user's own, so
# that its menus and dialogs read as they are written. With a display it runs on a Wine desktop of
# 1024 x 768 there; without one it takes a short tour in a private display and prints what it copied.
. "$(dirname "$0")/common.sh"
build_preset release >/dev/null
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
prefix=$root/build/release/wineprefix
if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run.sh "$prefix" "$root/build/release/bin/ormelin.exe"
fi
build_preset windows journey_helper >/dev/null
XVFB_WINE_PREFIXES=$prefix exec tools/with-xvfb.sh sh tools/tour.sh "$root/build/windows/bin" "$prefix" \
    "$root/build/release/bin/ormelin.exe"
