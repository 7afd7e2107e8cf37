#!/bin/sh
# A journey on two displays: an X server whose second display lies left of the primary, under Wine
# without a virtual desktop, so that Windows' screen coordinates are negative on it.
# Usage: displays.sh BIN_DIR WINE_PREFIX, as root (the X server's dummy driver needs it), with no display
# of its own; ends with "N passed, N failed", or 77 if skipped.
WINE_DESKTOP_SIZE=none
. "$(dirname "$0")/journey_lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "skipped: the X server's dummy driver needs root"; exit 77; }
# The X server takes the first free display and writes its number to a file once it accepts clients.
xorg_files=$(mktemp -d)
Xorg -displayfd 3 -config "$(realpath "$(dirname "$0")/../data/xorg-two-displays.conf")" -noreset -nolisten tcp \
    -logfile "$xorg_files/log" 3>"$xorg_files/display" >/dev/null 2>&1 &
xorg=$!
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1; kill $xorg; rm -rf "$xorg_files"' EXIT
eventually [ -s "$xorg_files/display" ] || { echo "FAIL  the X server did not start"; exit 1; }
export DISPLAY=":$(cat "$xorg_files/display")"

# The second display, 800 x 600, at X's origin and the 800 x 600 primary right of it: the virtual
# screen's left edge is -800. Wine reads the layout as it starts.
xrandr --addmode DUMMY1 800x600
xrandr --output DUMMY1 --mode 800x600 --pos 0x0 --output DUMMY0 --mode 800x600 --pos 800x0 --primary
xrandr >/dev/null  # a query that polls the outputs, which Wine reads without polling
left=-800
open_picker

# The left display: its pixels, whose colours name their negative coordinates, in the copied text and in
# the lens; and the virtual screen's left edge, which the arrows stop at.
check "HTML at (-340, 200)" "$(pattern_html -340 200)" "$(drag_to -340 200 && copy_after)"
view_at -340 200
check "the lens shows the left display" "$(pattern_html -345 205)" "$(lens_pixel -345 205)"
check "the left edge" "X:-800 Y:300 [x5]" "$(drag_to -798 300 && copy_after F3 F3 F3 Left Left Left)"
summary
