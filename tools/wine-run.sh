#!/bin/sh
# Runs a Windows program under Wine in a prefix of the build's own, made silently on first use.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]; the program's exit code is passed through.
# WINEARCH says which build the prefix serves: win32 (the default) or win64. A win64 prefix is run by
# Debian's 64-bit loader itself, since the wine script takes the 32-bit one whenever it is installed,
# even on a machine that cannot run it.
# Programs of the prefix share one virtual desktop (WINE_DESKTOP_SIZE when the prefix is made,
# 1024x768 by default): Windows-like captions and z-order, and no waits on an absent window manager.
# WINE_DESKTOP_SIZE=none makes a prefix without one, whose windows lie on the X server's displays.
# WINE_DPI, when the prefix is made, gives its displays another DPI than 96.
# Every prefix links the menu and dialog fonts to IPA Gothic, as Windows links its own to a Japanese
# font in every language: without it, a prefix made outside Japanese draws the menus' texts as boxes.
# And every prefix holds Marlett, the symbol font of the caption's buttons: Debian's Wine reads no font
# from its own folder, so without a copy the close box is drawn as the letter "r".
set -eu
prefix=$(realpath -m "$1")
shift
export WINEARCH="${WINEARCH:-win32}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=wine
if [ "$WINEARCH" = win64 ]; then
    wine=/usr/lib/wine/wine64
    export WINELOADER=$wine
fi
# A booted prefix weighs over a gigabyte, nearly all of it Wine's DLLs, and a disk holds only so many.
# So one prefix per architecture and language is booted, since Wine sets fonts and code pages for the
# language at boot, and every other is a copy of it whose DLL folders are hard links, which Wine only
# reads; the rest, the registry among it, is copied, as Wine rewrites it in place. The DLL folders, the
# same in every language, are shared by the boots of one architecture too.
templates=$(cd "$(dirname "$0")/.." && pwd)/build/wine-template-$WINEARCH
template=$templates-${LANG:-C}
shared="drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs"

# share FROM FOLDER: makes the prefix's FOLDER hard links to FROM's.
share() { rm -rf "${WINEPREFIX:?}/$2" && cp -al "$1/$2" "$WINEPREFIX/$2"; }

boot() {
    "$wine" wineboot --init >/dev/null 2>&1 || return 1
    for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
        "$wine" reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink" \
            /v "$font" /t REG_MULTI_SZ /d "ipag.ttf,IPAGothic" /f >/dev/null 2>&1
    done
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    for other in "$templates"-*; do
        [ -f "$other/.ready" ] || continue
        for folder in $shared; do
            if diff -rq --no-dereference "$other/$folder" "$template/$folder" >/dev/null 2>&1; then
                share "$other" "$folder" || return 1
            fi
        done
        return 0
    done
}

copy_template() {
    rm -rf "$prefix" && mkdir -p "$prefix" || return 1
    # Not copied: the readiness mark, and the name Wine picks for each prefix's server on its first run.
    excluded=$(for path in .ready wineserver $shared; do echo "--exclude=./$path"; done)
    (cd "$template" && tar -cf - $excluded .) | tar -C "$prefix" -xf - || return 1
    for folder in $shared; do
        if [ -d "$template/$folder" ]; then share "$template" "$folder" || return 1; fi
    done
    if [ "${WINE_DESKTOP_SIZE:-}" != none ]; then
        "$wine" reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f >/dev/null 2>&1
        "$wine" reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d "${WINE_DESKTOP_SIZE:-1024x768}" /f >/dev/null 2>&1
    fi
    if [ -n "${WINE_DPI:-}" ]; then
        "$wine" reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$WINE_DPI" /f >/dev/null 2>&1
    fi
}

# once PREFIX STEP: makes PREFIX with STEP unless it is ready. Parallel tests may arrive together: one
# makes it, the others wait for the lock. The daemons that Wine starts must not inherit, and so hold,
# the lock; and the settings take effect as Wine starts, so what STEP started is stopped, or the first
# programs would run without the desktop, in X windows that no window manager gives a caption.
once() {
    [ -f "$1/.ready" ] && return 0
    mkdir -p "$(dirname "$1")"
    (
        flock 9
        [ -f "$1/.ready" ] && exit 0
        export WINEPREFIX="$1"
        "$2" 9>&- || exit 1
        wineserver -k 9>&-
        touch "$1/.ready"
    ) 9>"$1.lock"
}

once "$template" boot && once "$prefix" copy_template || :  # the program's own run then says why
export WINEPREFIX="$prefix"
exec "$wine" "$@"
