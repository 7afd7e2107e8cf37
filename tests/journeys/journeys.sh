# End-to-end journeys: the real ormelin.exe over the test pattern on a Wine desktop of 1024 x 768, driven
# with xdotool as a person would and checked through the clipboard and the screen, at JOURNEY_DPI.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size; fails at the first
# check that fails. Every wait is bounded, and every Wine process of the prefix ends on exit.
. "$(dirname "$0")/journey_lib.sh"

open_picker
check "the window's size at $WINE_DPI DPI" "$(scaled 174)x$(scaled 161)" "$size"

# A drag from the lens to a point, its colour copied as another program reads it.
check "HTML at (600, 500)" "$(pattern_html 600 500)" "$(drag_to 600 500 && copy_after)"

# The value text (from client x 24, y 4 at 96 DPI) is black in a white outline, in a font whose area grows
# with the square of the DPI.
text=$(screen $((x + $(scaled 24))) $((y + $(scaled 4))) "$(scaled 100)" "$(scaled 16)" | sort | uniq -c)
check "the value text, outlined, at least $(scaled "$(scaled 80)") black pixels" "#000000 #FFFFFF " \
    "$(echo "$text" | awk -v n="$(scaled "$(scaled 80)")" '$1>=n && /#000000/ || $1>=20 && /#FFFFFF/ {printf "%s ", $2}')"

# Each arrow key moves the pick point, still at (600, 500), one pixel its way.
check "arrows right, down, up, left, left" "X:599 Y:500 [x5]" "$(copy_after F3 F3 F3 Right Down Up Left Left)"

# Exit from the View menu (Alt+V, X) ends the program with exit code 0.
keys alt+v x
timeout 10 tail --pid="$first" -f /dev/null && wait "$first"
check "exit code" 0 "$?"
