#!/bin/sh
# End-to-end journeys: the real ormelin.exe over the test pattern on a Wine desktop of 1024 x 768,
# driven with xdotool as a person would, checked through the clipboard and the screen, at the DPI of
# the journey (JOURNEY_DPI): the window, swatch, value font and chart scale with it, the lens's cells not.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size; ends with
# "N passed, N failed". Every wait is bounded, and every Wine process of the prefix ends on exit.
. "$(dirname "$0")/journey_lib.sh"

open_picker
check "the window's size at $WINE_DPI DPI" "$(scaled 174)x$(scaled 161)" "$lens_size"

# A drag from the lens to a point, its colour copied.
picked=$(pattern_html 600 500)
check "HTML at (600, 500)" "$picked" "$(drag_to 600 500 && copy_after)"

# The lens's image against the pattern, worked out from how it is meant to look, not from the program's
# code: ceil(w / 5) x ceil(h / 5) screen pixels, each filling a cell of 5 x 5 client pixels, half of them
# left of and above the pick point. The cross-hair inverts the client column and row through the middle
# of the picked cell (2 pixels into it): its crossing is inverted twice.
source_x=$((600 - (lens_w + 4) / 5 / 2))
source_y=$((500 - (lens_h + 4) / 5 / 2))
check "lens: the cross-hair's crossing" "$picked" "$(lens_pixel 600 500 2 2)"
check "lens: the cross-hair's row, inverted" "$(inverse_html "$(pattern_html 606 500)")" "$(lens_pixel 606 500 1 2)"
# The swatch (client x 6 to 21 at 96 DPI) is the picked colour in a black ring, and a black border runs
# round the client area; the value text is black in a white outline, in a font whose area grows with the
# square of the DPI.
swatch=$(screen $((lens_x + $(scaled 6))) $((lens_y + $(scaled 12))) "$(scaled 16)" 1 | uniq | tr '\n' ' ')
check "lens: the swatch, ringed" "#000000 $picked #000000 " "$swatch"
check "lens: the black border" "#000000" "$(screen "$lens_x" $((lens_y + lens_h - 1)) 1 1)"
text=$(screen $((lens_x + $(scaled 24))) $((lens_y + $(scaled 4))) "$(scaled 100)" "$(scaled 16)" | sort | uniq -c)
check "lens: the value text, outlined, at least $(scaled "$(scaled 80)") black pixels" "#000000 #FFFFFF " \
    "$(echo "$text" | awk -v n="$(scaled "$(scaled 80)")" '$1>=n && /#000000/ || $1>=20 && /#FFFFFF/ {printf "%s ", $2}')"

# Invert from the View menu (Alt+V, N): the copied colour and the lens turn to their inverse.
check "inverted HTML" "$(inverse_html "$picked")" "$(copy_after alt+v n)"
check "lens: a cell off the cross-hair, inverted" "$(inverse_html "$(pattern_html 592 505)")" "$(lens_pixel 592 505)"
check "inverted back" "$picked" "$(copy_after alt+v n)"

# The colour chart (Ctrl+H), opened from a picker in the screen's corner, shows over a cell its template's
# texts, in any system's language, and the cell's colour; a click takes the colour and closes it. A chart
# too narrow for its cells whatever the dialog font, or grown past the screen's edge, misses the clicks.
xdotool mousemove $((lens_x + 60)) $((lens_y - $(scaled 30))) mousedown 1 sleep 0.1 mousemove 990 720 sleep .1 mouseup 1
# The cells (16 pixels from 7, 7 at 96 DPI), each as column, row, colour and its red, green and blue: one
# inside a block; the first column of the upper right block, which the middle block would cover if it
# were painted a column too wide; and the last cell.
for cell in "8 7 #3868C8 56 104 200" "12 5 #FF0068 255 0 104" "17 11 #FFFFFF 255 255 255"; do
    set -- $cell
    keys ctrl+h
    eventually shows 1 window "#32770"
    xdotool mousemove $((window_x + $(scaled $((15 + 16 * $1))))) $((window_y + $(scaled $((15 + 16 * $2))))) sleep 0.3
    shows 1 window "#32770"
    check "chart's texts over $3" "カラーチャート|OK|ｷｬﾝｾﾙ|R:$4, G:$5, B:$6|*** 好きな色をクリックして下さい。***|$3" \
        "$window_title|$window_texts"
    xdotool click 1 sleep 0.3
    eventually shows 0 window "#32770"
    check "chart cell $1, $2 copied" "$3" "$(copy_after)"
done

# The About box (Alt+/) shows its template's texts and closes with Enter.
keys alt+slash
check "the About box" "バージョン情報: Qen Color Picker|(C) 2026 Qen|OK|v.1.0.1.2" \
    "$(eventually shows 1 window "#32770"; echo "$window_title: $window_texts")"
keys Return  # the arrows below reach the picker only once it has closed

# Each arrow key moves the pick point, still at (600, 500), one pixel its way.
check "arrows right, down, up, left, left" "X:599 Y:500 [x5]" "$(copy_after F3 F3 F3 Right Down Up Left Left)"

# Exit from the View menu (Alt+V, X) ends the program with exit code 0.
keys alt+v x
timeout 10 tail --pid="$first" -f /dev/null && wait "$first"
check "exit code" 0 "$?"
summary
