# End-to-end journeys: the real ormelin.exe over the test pattern on a Wine desktop of 1024 x 768, driven
# with xdotool as a person would and checked through the clipboard and the screen, at JOURNEY_DPI.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size; ends with
# "N passed, N failed". Every wait is bounded, and every Wine process of the prefix ends on exit.
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

# The colour chart (Ctrl+H), opened from a picker in the screen's corner, shows over a cell (16 pixels from
# 7, 7 at 96 DPI: column, row, colour and its red, green and blue) its template's texts, in any system's
# language, and the cell's colour; a click takes the colour and closes it. A chart too narrow for its
# cells whatever the dialog font, or grown past the screen's edge, misses the click.
xdotool mousemove $((x + 60)) $((y - $(scaled 30))) mousedown 1 sleep 0.1 mousemove 990 720 sleep .1 mouseup 1
set -- 8 7 "#3868C8" 56 104 200
keys ctrl+h
eventually shows 1 "#32770"
xdotool mousemove $((x + $(scaled $((15 + 16 * $1))))) $((y + $(scaled $((15 + 16 * $2))))) sleep 0.3
check "the chart's texts over $3" "カラーチャート|OK|ｷｬﾝｾﾙ|R:$4, G:$5, B:$6|*** 好きな色をクリックして下さい。***|$3" \
    "$(shows 1 "#32770" && echo "$texts")"
xdotool click 1 sleep 0.3
check "the chart's cell $1, $2 copied" "$3" "$(eventually shows 0 "#32770" && copy_after)"

# The About box (Alt+/) shows its template's texts and closes with Enter.
keys alt+slash
check "the About box" "バージョン情報|Qen Color Picker|(C) 2026 Qen|OK|v.1.0.1.2" \
    "$(eventually shows 1 "#32770" && echo "$texts")"
keys Return  # the arrows below reach the picker only once it has closed

# Each arrow key moves the pick point, still at (600, 500), one pixel its way.
check "arrows right, down, up, left, left" "X:599 Y:500 [x5]" "$(copy_after F3 F3 F3 Right Down Up Left Left)"

# Exit from the View menu (Alt+V, X) ends the program with exit code 0.
keys alt+v x
timeout 10 tail --pid="$first" -f /dev/null && wait "$first"
check "exit code" 0 "$?"
summary
