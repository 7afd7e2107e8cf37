#!/bin/sh
# Runs a command with a private Xvfb display (1024x768x24 unless XVFB_SCREEN says otherwise), then
# stops the display and every Wine process of the build prefixes, whatever the command's outcome.
# Usage: with-xvfb.sh COMMAND [ARGS...]; exits with the command's status.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done

Xvfb ":$display" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!

# At the end the Wine processes of XVFB_WINE_PREFIXES, or of every build prefix, are stopped.
stop() {
    prefixes=${XVFB_WINE_PREFIXES:-$(ls -d "$root"/build/*/wineprefix* 2>/dev/null | grep -v '\.lock$')}
    for prefix in $prefixes; do
        [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
    done
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Wait, within a bound, until the display answers.
tries=0
until xdpyinfo -display ":$display" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "with-xvfb: Xvfb did not start on :$display" >&2
        exit 1
    fi
    sleep 0.1
done

DISPLAY=":$display" "$@"
