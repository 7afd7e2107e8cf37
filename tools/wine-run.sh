#!/bin/sh
# Runs a Windows program under Wine in a prefix of the build's own, made silently on first use.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]; the program's exit code is passed through.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    # Parallel tests may arrive together; one boots the prefix, the others wait for it.
    flock "$prefix.lock" sh -c '[ -f "$WINEPREFIX/.ready" ] || { wineboot --init >/dev/null 2>&1 && touch "$WINEPREFIX/.ready"; }'
fi
exec wine "$@"
