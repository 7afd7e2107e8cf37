#!/bin/sh
# Runs a Windows program under Wine in a prefix of the build's own, made silently on first use.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]; the program's exit code is passed through.
# WINEARCH says which build the prefix serves: win32 (the default) or win64. A win64 prefix is run by
# Debian's 64-bit loader itself, since the wine script takes the 32-bit one whenever it is installed,
# even on a machine that cannot run it.
# Programs of the prefix share one virtual desktop (WINE_DESKTOP_SIZE when the prefix is made,
# 1024x768 by default): Windows-like captions and z-order, and no waits on an absent window manager.
# WINE_DESKTOP_SIZE=none makes a prefix without one, whose windows lie on the X server's displays.
# Every prefix links the menu and dialog fonts to IPA Gothic, as Windows links its own to a Japanese
# font in every language: without it, a prefix made outside Japanese draws the menus' texts as boxes.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH="${WINEARCH:-win32}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=wine
if [ "$WINEARCH" = win64 ]; then
    wine=/usr/lib/wine/wine64
    export WINELOADER=$wine
fi
if [ ! -f "$prefix/.ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    # Parallel tests may arrive together; one makes the prefix, the others wait for it.
    # -o: the daemons that wineboot starts must not inherit, and so hold, the lock.
    flock -o "$prefix.lock" sh -c '
        [ -f "$WINEPREFIX/.ready" ] && exit 0
        "$1" wineboot --init >/dev/null 2>&1 || exit 1
        for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
            "$1" reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink" \
                /v "$font" /t REG_MULTI_SZ /d "ipag.ttf,IPAGothic" /f >/dev/null 2>&1
        done
        if [ "${WINE_DESKTOP_SIZE:-}" != none ]; then
            "$1" reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f >/dev/null 2>&1
            "$1" reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d "${WINE_DESKTOP_SIZE:-1024x768}" /f >/dev/null 2>&1
        fi
        # The settings take effect as Wine starts: stop what the boot started, or the first programs
        # would run without the desktop, in X windows that no window manager gives a caption.
        wineserver -k
        touch "$WINEPREFIX/.ready"' sh "$wine" || :  # the program's own run then says why
fi
exec "$wine" "$@"
