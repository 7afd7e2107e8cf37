#!/bin/sh
# End-to-end journeys: the real ormelin.exe over a test pattern on a Wine desktop of 1024 x 768,
# driven with xdotool as a person would, checked through the clipboard and screenshots.
# Usage: journeys.sh BIN_DIR WINE_PREFIX, inside an Xvfb display of the desktop's size. Every wait is
# bounded, and every process started here is stopped on every path.
set -u
bin=$1
prefix=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
export LANG=ja_JP.UTF-8 WINE_DESKTOP_SIZE=1024x768
work=$(mktemp -d)
passed=0
failed=0
started=""

stop_all() {
    for pid in $started; do
        kill "$pid" 2>/dev/null
    done
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
    rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- checks -----------------------------------------------------------------------------------

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
        echo "ok    $1"
    else
        failed=$((failed + 1))
        echo "FAIL  $1: expected '$2', got '$3'"
    fi
}

# Polls a command until it succeeds, for at most about ten seconds.
eventually() {
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -ge 50 ] && return 1
        sleep 0.2
    done
}

# --- the program and the desktop ----------------------------------------------------------------

start() {  # start PROGRAM [ARGS]: in the background; its pid is in $last
    "$root/tools/wine-run.sh" "$prefix" "$bin/$1" >/dev/null 2>&1 &
    last=$!
    started="$started $last"
}

probe() { timeout "${probe_limit:-60}" "$root/tools/wine-run.sh" "$prefix" "$bin/journey_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
value() { echo "$1" | sed -n "s/^$2 //p"; }  # value TEXT KEY: the rest of the line KEY ...
nth() { echo "$1" | cut -d' ' -f"$2"; }

lens_count() { value "$(probe lens)" count; }
has_lenses() { [ "$(lens_count)" = "$1" ]; }
has_window() { [ "$(probe window "$1" | head -n 1)" != none ]; }
has_no_window() { [ "$(probe window "$1" | head -n 1)" = none ]; }

# Waits, within a bound, for a background program to end; its exit code is then in $code.
ended() {
    tries=0
    while kill -0 "$1" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -ge 100 ] && code=timeout && return 1
        sleep 0.1
    done
    wait "$1"
    code=$?
}

# --- the user's hands and eyes -----------------------------------------------------------------

pause() { sleep 0.3; }
click() { xdotool mousemove "$1" "$2" click 1; pause; }
keys() {
    xdotool windowfocus "$picker_xwindow" 2>/dev/null
    xdotool key --delay 60 "$@"
    pause
}

# Presses in the lens, drags in steps to (X, Y) and releases there.
drag_to() {
    xdotool mousemove $((client_x + 30)) $((client_y + 70)) mousedown 1
    sleep 0.05
    for step in 1 2 3 4; do
        xdotool mousemove $(((client_x + 30) + ($1 - client_x - 30) * step / 4)) \
            $(((client_y + 70) + ($2 - client_y - 70) * step / 4))
        sleep 0.05
    done
    xdotool mouseup 1
    pause
}

# Ctrl+C, then the clipboard's text once the program has replaced a marker put there first: Wine
# hands the text to X a moment after the copy.
CLIPBOARD_MARKER="(nothing copied)"
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
has_copy() { [ "$(clipboard)" != "$CLIPBOARD_MARKER" ]; }
copied() {
    printf '%s' "$CLIPBOARD_MARKER" | xclip -i -selection clipboard >/dev/null 2>&1
    keys ctrl+c
    if eventually has_copy; then clipboard; fi
}

shoot() { import -window root "$work/$1.png"; }
pixel() { convert "$work/$1.png" -format "%[hex:u.p{$2,$3}]" info: 2>/dev/null; }  # RRGGBB
row_pixels() { convert "$work/$1.png" -crop "$4x1+$2+$3" -depth 8 txt:- 2>/dev/null | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'; }

# The test pattern's colour at a screen point (pattern_color.h), in HTML notation.
pattern_html() { printf '#%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $(((($1 >> 8) & 15) | ((($2 >> 8) & 15) << 4))); }
inverse_html() { printf '#%06X' $((0xFFFFFF ^ 0x${1#\#})); }

# The View menu, opened by a click on its title; items by their place in the popup.
MENU_TOP=3
MENU_TEXT_ITEM=16
MENU_SEPARATOR=9
view_item() {  # view_item TEXT_ITEMS_BEFORE SEPARATORS_BEFORE
    click $((client_x + 16)) "$menu_bar_y"
    eventually has_window "#32768" || return 1
    popup=$(value "$(probe window "#32768")" outer)
    click $(($(nth "$popup" 1) + 40)) \
        $(($(nth "$popup" 2) + MENU_TOP + MENU_TEXT_ITEM * $1 + MENU_SEPARATOR * $2 + MENU_TEXT_ITEM / 2))
}

# --- the journeys ------------------------------------------------------------------------------

start test_pattern.exe
eventually has_window TestPattern || { echo "FAIL  the test pattern did not appear"; exit 1; }
start ormelin.exe
first=$last
eventually has_lenses 1 || { echo "FAIL  the picker did not appear"; exit 1; }

lens=$(probe lens)
client=$(value "$lens" client)
client_x=$(nth "$client" 1)
client_y=$(nth "$client" 2)
client_w=$(nth "$client" 3)
client_h=$(nth "$client" 4)
menu_bar_y=$(value "$lens" menubar)
bar_x=$((client_x + client_w + $(value "$lens" scrollbar) / 2))

# Each window of the Wine desktop is an X window of its own, and with no window manager X sends the
# keys to the one under the pointer. Keys are typed at the picker's X window, as a window manager
# would route them to the active window wherever the pointer rests.
picker_xwindow=$(xdotool search --name '^Qen Color Picker$' | head -n 1)

echo "# The first window"
check "title" "Qen Color Picker" "$(value "$lens" title)"
check "topmost" 1 "$(value "$lens" topmost)"
check "outer size" "174 161" "$(nth "$(value "$lens" outer)" 3) $(nth "$(value "$lens" outer)" 4)"
# The thumb of range 1..31 at 5 lies 4/30 of the free track below the up arrow.
shoot first
arrow=$(value "$lens" scrollbar)
track_top=$((client_y + arrow))
track=$((client_h - 2 * arrow))
thumb_top=""
y=$track_top
track_colour=$(pixel first "$bar_x" "$track_top")
while [ "$y" -lt $((track_top + track)) ] && [ -z "$thumb_top" ]; do
    [ "$(pixel first "$bar_x" "$y")" != "$track_colour" ] && thumb_top=$y
    y=$((y + 1))
done
expected_thumb=$((track_top + 4 * (track - arrow) / 30))
check "scroll thumb at 5 of 1..31" 1 "$([ -n "$thumb_top" ] && [ $((thumb_top - expected_thumb)) -ge -2 ] && [ $((thumb_top - expected_thumb)) -le 2 ] && echo 1)"

echo "# A drag from the lens to a point, then Ctrl+C"
drag_to 600 500
check "HTML at (600, 500)" "$(pattern_html 600 500)" "$(copied)"

echo "# F3 through the five notations"
keys F3
check "RGB" "R:88 G:244 B:18" "$(copied)"
keys F3
check "HSB" "H:101 S:93 B:96" "$(copied)"
keys F3
check "screen coordinates" "X:600 Y:500 [x5]" "$(copied)"
keys F3
check "COLORREF" "0x12F458" "$(copied)"
keys F3
check "HTML again" "#58F412" "$(copied)"

echo "# Arrow keys: one pixel a press, stopped at the screen's edges"
keys F3 F3 F3
keys Left Left Left
check "three steps left" "X:597 Y:500 [x5]" "$(copied)"
drag_to 0 300
keys Left
check "left edge" "X:0 Y:300 [x5]" "$(copied)"
drag_to 1023 300
keys Right
check "right edge" "X:1023 Y:300 [x5]" "$(copied)"
drag_to 500 0
keys Up
check "top edge" "X:500 Y:0 [x5]" "$(copied)"
drag_to 500 767
keys Down Up
check "bottom edge, then up" "X:500 Y:766 [x5]" "$(copied)"

echo "# The scroll bar's down arrow zooms in; the lens shows cells of the new size"
drag_to 600 500
click "$bar_x" $((client_y + client_h - arrow / 2))
check "zoom 6" "X:600 Y:500 [x6]" "$(copied)"
shoot zoomed
# Along a row near the lens's foot, away from the text and the cross-hair, colours change every 6 pixels.
runs=$(row_pixels zoomed $((client_x + 1)) $((client_y + client_h - 6)) $((client_w - 2)) | uniq -c | awk '{print $1}')
inner=$(echo "$runs" | sed '1d;$d')
check "inner cells are 6 pixels wide" 6 "$(echo "$inner" | sort | uniq -c | sort -rn | head -n 1 | awk '{print $2}')"
check "no cell wider than 6" "" "$(echo "$inner" | awk '$1 > 6')"

echo "# Invert, from the menu"
keys F3 F3
shoot plain
view_item 1 0
check "inverted HTML" "$(inverse_html "$(pattern_html 600 500)")" "$(copied)"
shoot inverted
x=$((client_x + client_w - 20))
y=$((client_y + client_h - 20))
check "lens pixel inverted" "$(inverse_html "#$(pixel plain $x $y)")" "#$(pixel inverted $x $y)"
view_item 1 0
check "inverted back" "$(pattern_html 600 500)" "$(copied)"

echo "# The colour chart takes a clicked cell"
keys ctrl+h
eventually has_window "#32770" || echo "FAIL  the chart did not open"
chart=$(value "$(probe window "#32770")" client)
click $(($(nth "$chart" 1) + 135 + 8)) $(($(nth "$chart" 2) + 119 + 8))
eventually has_no_window "#32770"
check "chart colour copied" "#3868C8" "$(copied)"

echo "# The About box opens and closes"
keys alt+slash
eventually has_window "#32770"
check "About title" "バージョン情報" "$(value "$(probe window "#32770")" title)"
keys Return
check "About closed" none "$(eventually has_no_window "#32770" && echo none)"

echo "# A second copy runs beside the first"
start ormelin.exe
second=$last
check "two lenses" 2 "$(eventually has_lenses 2 && lens_count)"
kill "$second"
ended "$second"
check "one lens again" 1 "$(eventually has_lenses 1 && lens_count)"

echo "# Exit from the menu ends the program with exit code 0"
view_item 7 4
ended "$first"
check "exit code" 0 "$code"
check "no lens left" 0 "$(eventually has_lenses 0 && lens_count)"

echo "# Soak: 100,000 paints from drag steps and scroll changes"
start ormelin.exe
soaked=$last
eventually has_lenses 1
unix_pid=$(pgrep -n -f 'ormelin\.exe')
probe soak 2000 >/dev/null  # settle caches and the heap before measuring
rss_before=$(ps -o rss= -p "$unix_pid" | tr -d ' ')
started_soak=$(date +%s)
soak=$(probe_limit=1200 probe soak "${SOAK_STEPS:-100000}")
rss_after=$(ps -o rss= -p "$unix_pid" | tr -d ' ')
echo "      $(($(date +%s) - started_soak)) s; resident memory ${rss_before} KiB -> ${rss_after} KiB"
check "still answering" 1 "$(value "$soak" answers)"
check "resident memory grew less than 4 MiB" 1 "$([ $((rss_after - rss_before)) -lt 4096 ] && echo 1)"
kill "$soaked"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
