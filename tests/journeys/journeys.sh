#!/bin/sh
# End-to-end journeys: the real ormelin.exe over the test pattern on a Wine desktop of 1024 x 768,
# driven with xdotool as a person would, checked through the clipboard and the screen.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size; ends with
# "N passed, N failed". Every wait is bounded, and every Wine process of the prefix ends on exit.
. "$(dirname "$0")/journey_lib.sh"

# --- the journeys -------------------------------------------------------------------------------

open_picker

# A drag from the lens to a point, then F3 through the five notations, each copied.
check "HTML at (600, 500)" "$(pattern_html 600 500)" "$(drag_to 600 500 && copy_after)"
for notation in "R:88 G:244 B:18" "H:101 S:93 B:96" "X:600 Y:500 [x5]" "0x12F458" "#58F412"; do
    check "F3 to $notation" "$notation" "$(copy_after F3)"
done

# Invert from the View menu (Alt+V, N): the copied colour and the lens's pixels (one at (30, 70), off
# the cross-hair) turn to their inverse.
plain=$(screen $((lens_x + 30)) $((lens_y + 70)) 1 1)
check "inverted HTML" "$(inverse_html "$(pattern_html 600 500)")" "$(copy_after alt+v n)"
check "lens pixel inverted" "$(inverse_html "$plain")" "$(screen $((lens_x + 30)) $((lens_y + 70)) 1 1)"
check "inverted back" "$(pattern_html 600 500)" "$(copy_after alt+v n)"

# The colour chart (Ctrl+H) holds its 18 x 12 cells of 16 pixels and their margin of 7 in the
# Japanese dialog font, which alone would leave it too narrow; a clicked cell is taken and closes it.
for cell in "135 119 #3868C8" "279 87 #FFFF68" "279 183 #FFFFFF"; do  # left, top, colour
    set -- $cell
    keys ctrl+h
    eventually shows 1 window "#32770"
    holds=$([ "$window_w" -ge 302 ] && [ "$window_h" -ge 206 ] && echo 1)
    check "chart of $window_w x $window_h holds 302 x 206" 1 "$holds"
    xdotool mousemove $((window_x + $1 + 8)) $((window_y + $2 + 8)) click 1 sleep 0.3
    eventually shows 0 window "#32770"
    check "chart cell at $1, $2 copied" "$3" "$(copy_after)"
done

# The About box opens with Alt+/ and closes with Enter.
keys alt+slash
eventually shows 1 window "#32770"
check "About title" "バージョン情報" "$window_title"
keys Return
eventually shows 0 window "#32770"
check "About closed" 0 "$count"

# Exit from the View menu (Alt+V, X) ends the program with exit code 0.
keys alt+v x
timeout 10 tail --pid="$first" -f /dev/null && wait "$first"
check "exit code" 0 "$?"
check "no lens left" count=0 "$(helper lens | grep -o 'count=[0-9]*')"

summary
