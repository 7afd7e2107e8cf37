#!/bin/sh
# Journeys on two displays at 144 DPI: an X server whose second display lies left of the primary and is
# moved and resized while the picker runs, under Wine without a virtual desktop, so that Windows'
# screen coordinates are negative on it. Usage: displays.sh BIN_DIR WINE_PREFIX, as root (the X server's
# dummy driver needs it), with no display of its own; ends with "N passed, N failed", or 77 if skipped.
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

# lay_out WIDTH HEIGHT: the second display of that size at X's origin and the 800 x 600 primary right
# of it, so that the virtual screen's left edge is -WIDTH.
lay_out() {
    xrandr --addmode DUMMY1 "$1x$2" 2>/dev/null
    xrandr --output DUMMY1 --mode "$1x$2" --pos 0x0 --output DUMMY0 --mode 800x600 --pos "$1x0" --primary
    xrandr >/dev/null  # a query that polls the outputs, which Wine reads without polling
    left=-$1
}

# The lens's pixel at (100, 60) of its client area, off the cross-hair, the swatch and the text, as the
# screen shows it; and the pattern's colour at the point it enlarges, with the pick point at (X, Y).
lens_pixel() { screen $((lens_x + 100)) $((lens_y + 60)) 1 1; }
lens_source() {
    source_x=$(($1 - (lens_w + 4) / 5 / 2))
    [ "$source_x" -lt "$left" ] && source_x=$left
    pattern_html $((source_x + 100 / 5)) $(($2 - (lens_h + 4) / 5 / 2 + 60 / 5))
}

# Wine learns the displays, and 144 DPI, as it starts.
lay_out 800 600
"$wine_run" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
open_picker

# At 144 DPI the first window and the swatch are half as large again, the value text is higher, and the
# cells stay 5 device pixels.
check "outer size at 144 DPI" "261 242" "$lens_outer_w $lens_outer_h"
drag_to -340 200
swatch=$(screen $((lens_x + 9)) $((lens_y + 18)) 24 1 | uniq | tr '\n' ' ')
check "swatch from 9 to 32, ringed" "#000000 $(pattern_html -340 200) #000000 " "$swatch"
text_rows=$(screen $((lens_x + 36)) $((lens_y + 4)) 60 30 | awk '/#000000/ { print int((NR - 1) / 60) }' | uniq | wc -l)
check "value text at least 12 pixels high" 1 "$([ "$text_rows" -ge 12 ] && echo 1)"
check "inner cells 5 device pixels wide, none wider" "5 5" "$(cell_widths)"

# The left display: its pixels in the lens and in the copied text, with negative coordinates; and the
# virtual screen's left edge, which the arrows stop at.
check "HTML at (-340, 200)" "$(pattern_html -340 200)" "$(copy_after)"
check "coordinates at (-340, 200)" "X:-340 Y:200 [x5]" "$(copy_after F3 F3 F3)"
check "the lens shows the left display" "$(lens_source -340 200)" "$(lens_pixel)"
check "the left edge" "X:-800 Y:300 [x5]" "$(drag_to -798 300 && copy_after Left Left Left)"

# The left display shrinks to 640 x 480 while the picker runs: the arrows and the lens's copy stop at
# its new edge. (Wine reads a display that grows beyond the old layout as black until a restart.)
lay_out 640 480
find_lens
check "the new left edge" "X:-640 Y:300 [x5]" "$(drag_to -638 300 && copy_after Left Left Left)"
check "the lens stops at the new left edge" "$(lens_source -640 300)" "$(lens_pixel)"
summary
