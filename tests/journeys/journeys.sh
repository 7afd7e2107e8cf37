#!/bin/sh
# End-to-end journeys: the real ormelin.exe over the test pattern on a Wine desktop of 1024 x 768,
# driven with xdotool as a person would, checked through the clipboard and the screen.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size; ends with
# "N passed, N failed". Every wait is bounded, and every Wine process of the prefix ends on exit.
. "$(dirname "$0")/journey_lib.sh"

# --- the journeys -------------------------------------------------------------------------------

open_picker
bar_x=$((lens_x + lens_w + scroll_bar_w / 2))

# The first window: its title, topmost, its outer size. The scroll bar's thumb of range 1..31 at 5 lies
# 4/30 of the free track below the up arrow: its top is the first pixel down the track, as the screen
# shows it, of another colour.
check "title, topmost, outer size" "Qen Color Picker 1 174 161" "$lens_title $lens_topmost $lens_outer_w $lens_outer_h"
thumb=$(runs "$bar_x" $((lens_y + scroll_bar_w)) 1 $((lens_h - 2 * scroll_bar_w)) | head -n 1)
distance=$((${thumb:-999} - 4 * (lens_h - 3 * scroll_bar_w) / 30))
check "scroll thumb at 5 of 1..31, to 2 pixels" 1 "$([ "${distance#-}" -le 2 ] && echo 1)"

# A drag from the lens to a point, then F3 through the five notations, each copied.
check "HTML at (600, 500)" "$(pattern_html 600 500)" "$(drag_to 600 500 && copy_after)"
for notation in "R:88 G:244 B:18" "H:101 S:93 B:96" "X:600 Y:500 [x5]" "0x12F458" "#58F412"; do
    check "F3 to $notation" "$notation" "$(copy_after F3)"
done

# Arrow keys move one pixel a press and stop at the screen's edges.
check "three steps left" "X:597 Y:500 [x5]" "$(copy_after F3 F3 F3 Left Left Left)"
check "left edge" "X:0 Y:300 [x5]" "$(drag_to 0 300 && copy_after Left)"
check "right edge" "X:1023 Y:300 [x5]" "$(drag_to 1023 300 && copy_after Right)"
check "top edge" "X:500 Y:0 [x5]" "$(drag_to 500 0 && copy_after Up)"
check "bottom edge, then up" "X:500 Y:766 [x5]" "$(drag_to 500 767 && copy_after Down Up)"

# The scroll bar's down arrow zooms in: the lens's cells grow to 6 pixels.
xdotool mousemove "$bar_x" $((lens_y + lens_h - scroll_bar_w / 2)) click 1 sleep 0.3
check "zoom 6" "X:600 Y:500 [x6]" "$(drag_to 600 500 && copy_after)"
check "inner cells 6 pixels wide, none wider" "6 6" "$(cell_widths)"

# Invert from the View menu (Alt+V, N): the copied colour and the lens's pixels (one at (30, 70), off
# the cross-hair) turn to their inverse.
plain=$(screen $((lens_x + 30)) $((lens_y + 70)) 1 1)
check "inverted HTML" "$(inverse_html "$(pattern_html 600 500)")" "$(copy_after alt+v n F3 F3)"
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
