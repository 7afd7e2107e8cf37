#!/bin/sh
# End-to-end journeys: the real ormelin.exe over the test pattern on a Wine desktop of 1024 x 768,
# driven with xdotool as a person would, checked through the clipboard and the screen.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size; ends with
# "N passed, N failed". Every wait is bounded, and every Wine process of the prefix ends on exit.
. "$(dirname "$0")/journey_lib.sh"

open_picker

# A drag from the lens to a point, then F3 through the five notations, each copied.
picked=$(pattern_html 600 500)
check "HTML at (600, 500)" "$picked" "$(drag_to 600 500 && copy_after)"
for notation in "R:88 G:244 B:18" "H:101 S:93 B:96" "X:600 Y:500 [x5]" "0x12F458" "$picked"; do
    check "F3 to $notation" "$notation" "$(copy_after F3)"
done

# The lens's image against the pattern. The cross-hair inverts the client column and row through the
# middle of the picked cell (2 pixels into it): its crossing is inverted twice, its corner not at all.
view_at 600 500
check "lens: the picked cell's corner" "$picked" "$(lens_pixel 600 500)"
check "lens: the cross-hair's crossing" "$picked" "$(lens_pixel 600 500 2 2)"
check "lens: the cross-hair's row, inverted" "$(inverse_html "$(pattern_html 606 500)")" "$(lens_pixel 606 500 1 2)"
check "lens: a cell off the cross-hair" "$(pattern_html 592 505)" "$(lens_pixel 592 505)"
# The swatch (client x 6 to 21) is the picked colour in a black ring; the value text right of it is black.
swatch=$(screen $((lens_x + 6)) $((lens_y + 12)) 16 1 | uniq | tr '\n' ' ')
check "lens: the swatch, ringed" "#000000 $picked #000000 " "$swatch"
black=$(screen $((lens_x + 24)) $((lens_y + 4)) 100 16 | grep -c '#000000')
check "lens: the value text, $black black pixels" 1 "$([ "$black" -ge 20 ] && echo 1)"

# Invert from the View menu (Alt+V, N): the copied colour and the lens turn to their inverse.
check "inverted HTML" "$(inverse_html "$picked")" "$(copy_after alt+v n)"
check "lens: a cell off the cross-hair, inverted" "$(inverse_html "$(pattern_html 592 505)")" "$(lens_pixel 592 505)"
check "inverted back" "$picked" "$(copy_after alt+v n)"

# Fit Size (Ctrl+F) grows the client area to whole cells of 5 pixels and keeps its corner. (The lens
# above was checked before, with a last column of cells cut.)
corner="$lens_x $lens_y"
fitted() { shows 1 lens && [ $((lens_w % 5)) -eq 0 ]; }  # Wine resizes a moment after the key
keys ctrl+f
eventually fitted
check "Fit Size: whole cells from the same corner" "$corner 0 0" "$lens_x $lens_y $((lens_w % 5)) $((lens_h % 5))"

# The colour chart (Ctrl+H), opened from a picker in the screen's corner, shows over a cell its template's
# texts, in any system's language, and the cell's colour; a click takes the colour and closes it. A chart
# too narrow for its cells whatever the dialog font, or grown past the screen's edge, misses the clicks.
xdotool mousemove $((lens_x + 60)) $((lens_y - 30)) mousedown 1 sleep 0.1 mousemove 990 720 sleep 0.1 mouseup 1
# The cells: one inside a block; the first column of the upper right block, which the middle block would
# cover if it were painted a column too wide; and the last cell.
for cell in "135 119 #3868C8" "199 87 #FF0068" "279 183 #FFFFFF"; do  # left, top, colour
    set -- $cell
    keys ctrl+h
    eventually shows 1 window "#32770"
    xdotool mousemove $((window_x + $1 + 8)) $((window_y + $2 + 8)) sleep 0.3
    shows 1 window "#32770"
    check "chart's texts over $3" "カラーチャート|OK|ｷｬﾝｾﾙ|$(rgb_text "$3")|*** 好きな色をクリックして下さい。***|$3" \
        "$window_title|$window_texts"
    xdotool click 1 sleep 0.3
    eventually shows 0 window "#32770"
    check "chart cell at $1, $2 copied" "$3" "$(copy_after)"
done

# The About box (Alt+/) shows its template's texts and closes with Enter; the colour dialog opens with
# Ctrl+M and closes with Escape.
keys alt+slash
check "the About box" "バージョン情報: Qen Color Picker|(C) 2026 Qen|OK|v.1.0.1.2" \
    "$(eventually shows 1 window "#32770"; echo "$window_title: $window_texts")"
keys Return
check "Return closes it" 0 "$(eventually shows 0 window "#32770"; echo "$count")"
keys ctrl+m
check "Ctrl+M opens the colour dialog" 1 "$(eventually shows 1 window "#32770"; echo "$count")"
keys Escape
check "Escape closes it" 0 "$(eventually shows 0 window "#32770"; echo "$count")"

# Each arrow key moves the pick point, still at (600, 500), one pixel its way.
check "arrows right, down, up, left, left" "X:599 Y:500 [x5]" "$(copy_after F3 F3 F3 Right Down Up Left Left)"

# Exit from the View menu (Alt+V, X) ends the program with exit code 0.
keys alt+v x
timeout 10 tail --pid="$first" -f /dev/null && wait "$first"
check "exit code" 0 "$?"
summary
