# The journeys' shared hands and eyes: checks, bounded waits, the helper's reports, keys, drags,
# copies and screenshots, for a Wine prefix and a built program. Sourced by a journey with BIN_DIR (the
# helper's) and WINE_PREFIX as its arguments; WINE_DESKTOP_SIZE gives another desktop than 1024 x 768,
# PICKER another ormelin.exe than the one in BIN_DIR, wine_run another wine-run.sh, JOURNEY_LANG another
# system language than Japanese (en_US.UTF-8: code page 1252), JOURNEY_DPI another DPI than 96 for a
# prefix made by the journey. summary ends it.
set -u
bin=$(realpath "$1")
prefix=$(realpath -m "$2")  # Wine takes absolute prefixes only
picker=${PICKER:-$bin/ormelin.exe}
wine_run=${wine_run:-$(cd "$(dirname "$0")/../.." && pwd)/tools/wine-run.sh}
export LANG=${JOURNEY_LANG:-ja_JP.UTF-8} WINE_DESKTOP_SIZE=${WINE_DESKTOP_SIZE:-1024x768} WINE_DPI=${JOURNEY_DPI:-96}
scaled() { echo $((($1 * WINE_DPI + 48) / 96)); }  # pixels at 96 DPI scaled to the journey's DPI
checks=0
failed=0
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1' EXIT
trap 'exit 1' INT TERM

# --- checks and waits ---------------------------------------------------------------------------

check() {  # check NAME EXPECTED ACTUAL
    checks=$((checks + 1))
    [ "$2" = "$3" ] && echo "ok    $1" && return
    echo "FAIL  $1: expected '$2', got '$3'" && failed=$((failed + 1))
}

# Runs a command until it succeeds, at most 100 times in about twenty seconds: a fresh 64-bit prefix
# took more than ten to show its first window on a busy machine.
eventually() {
    tries=100
    until "$@"; do
        [ $((tries -= 1)) -gt 0 ] && sleep 0.2 || return 1
    done
}

start() { "$wine_run" "$prefix" "$@" >/dev/null 2>&1 & }  # start PROGRAM [ARGS...]; its pid is then $!

# journey_helper.exe answers in shell assignments: count=N visible windows (the pickers for "lens",
# that class for "window CLASS") and the first one's title, its controls' texts (in UTF-8) and its place
# as lens_* or window_*.
helper() { timeout 60 "$wine_run" "$prefix" "$bin/journey_helper.exe" "$@" 2>/dev/null | tr -d '\r'; }
shows() {  # shows N lens | shows N window CLASS
    count=
    eval "$(helper "$2" ${3:+"$3"})"
    [ "$count" = "$1" ]
}

# The test pattern (a static control, the desktop's only top-level one), then the picker over it: $first
# is its pid, lens_* its place, and $grip X's point in its lens where drags start. A journey without
# both ends at once.
open_picker() {
    start "$bin/journey_helper.exe" pattern
    eventually shows 1 window Static || { echo "FAIL  the test pattern did not appear"; exit 1; }
    start "$picker"
    first=$!
    eventually shows 1 lens || { echo "FAIL  the picker did not appear"; exit 1; }
    grip="$((lens_x + 30)) $((lens_y + 70))"
}

# --- the user's hands and eyes ------------------------------------------------------------------

# Each window of the Wine desktop is an X window, and with no window manager X sends keys to the one
# under the pointer: keys go to the picker's X window, as a window manager sends them to the active one.
# They are typed through XTEST: keys sent to a window (xdotool's way after a search) left the chart
# dialog deaf to clicks. Wine takes the focus a moment after X moves it, which a busy machine makes
# longer: right after a dialog closed, a key typed at once could reach neither window.
keys() {
    xdotool windowfocus "$(xdotool search --limit 1 --name '^Qen Color Picker$')" sleep 0.2 key --delay 60 "$@" sleep 0.3
}

# copy_after [KEYS...]: the keys, then Ctrl+C; prints the copied text once it has replaced the empty
# text put on the clipboard first, since Wine hands the text to X a moment after the copy. The xclip
# that serves the empty text ends after one reader, or when the copy takes the clipboard.
copy_arrived() { copy=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) && [ -n "$copy" ]; }
copy_after() {
    xclip -i -loops 1 -selection clipboard /dev/null >/dev/null 2>&1
    keys "$@" ctrl+c
    eventually copy_arrived && echo "$copy"
}

# drag_to X Y: presses in the lens (at $grip), moves to (X, Y) and releases there.
drag_to() { xdotool mousemove $grip mousedown 1 sleep 0.05 mousemove "$1" "$2" sleep 0.05 mouseup 1; }

# screen X Y WIDTH HEIGHT: the colours of a rectangle of the screen now, #RRGGBB, one a line, row by row.
screen() { import -window root -crop "$3x$4+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}'; }

# lens_pixel X Y [DX DY]: the colour on the screen of the lens's client pixel DX, DY into the cell of
# screen pixel (X, Y), its top-left one unless given, at zoom 5 with source_x and source_y the first
# screen column and row the lens shows.
lens_pixel() { screen $((lens_x + ($1 - source_x) * 5 + ${3:-0})) $((lens_y + ($2 - source_y) * 5 + ${4:-0})) 1 1; }

# The test pattern's colour at a screen point (tests/support/test_pattern.h) in HTML notation, and an
# HTML colour's inverse.
pattern_html() { printf '#%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $(((($1 >> 8) & 15) | ((($2 >> 8) & 15) << 4))); }
inverse_html() { printf '#%06X' $((0xFFFFFF ^ 0x${1#\#})); }

summary() {
    echo "$((checks - failed)) passed, $failed failed"
    [ "$failed" -eq 0 ]
}
