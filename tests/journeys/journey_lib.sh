# The journeys' shared hands and eyes: checks, bounded waits, the helper's reports, keys, drags, copies
# and screenshots, for a Wine prefix and a built program, since each journey drives the picker alike.
# Sourced with BIN_DIR (the helper's) and WINE_PREFIX as arguments; PICKER names another ormelin.exe
# than BIN_DIR's to open_picker, wine_run another wine-run.sh, JOURNEY_LANG another system language
# than Japanese (en_US.UTF-8: code page 1252), JOURNEY_DPI another DPI than 96 for a prefix it makes.
bin=$(realpath "$1")
prefix=$(realpath -m "$2")  # Wine takes absolute prefixes only
wine_run=${wine_run:-$(cd "$(dirname "$0")/../.." && pwd)/tools/wine-run.sh}
export LANG=${JOURNEY_LANG:-ja_JP.UTF-8} WINE_DPI=${JOURNEY_DPI:-96}
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1' EXIT
scaled() { echo $((($1 * WINE_DPI + 48) / 96)); }  # pixels at 96 DPI scaled to the journey's DPI

# check NAME EXPECTED ACTUAL: a journey ends at its first failure, which says what it saw instead.
check() { [ "$2" = "$3" ] && echo "ok    $1" || { echo "FAIL  $1: expected '$2', got '$3'"; exit 1; }; }

# Runs a command until it succeeds, at most 100 times in about twenty seconds: a fresh 64-bit prefix
# took more than ten to show its first window on a busy machine.
eventually() {
    tries=100
    until "$@"; do
        [ $((tries -= 1)) -gt 0 ] && sleep 0.2 || return 1
    done
}

start() { "$wine_run" "$prefix" "$@" >/dev/null 2>&1 & }  # start PROGRAM [ARGS...]; its pid is then $!

# shows 0|1 CLASS: whether a window of CLASS shows, with its place as journey_helper.exe reports it: x and y
# (its client area's top-left) and size (outer).
shows() { eval "$(timeout 60 "$wine_run" "$prefix" "$bin/journey_helper.exe" "$2" 2>/dev/null)" && [ "$shown" = $1 ]; }

# The test pattern (a static control, the desktop's only top-level one), then the picker over it: $first
# is its pid, and x and y its client area's top-left until the next report.
open_picker() {
    start "$bin/journey_helper.exe" pattern
    eventually shows 1 Static || { echo "FAIL  the test pattern did not appear"; exit 1; }
    start "${PICKER:-$bin/ormelin.exe}"
    first=$!
    eventually shows 1 ORMELIN || { echo "FAIL  the picker did not appear"; exit 1; }
}

# With no window manager X sends keys to the X window under the pointer, so they go to the picker's, as
# a window manager sends them to the active one, typed through XTEST: keys sent to a window (xdotool's
# way after a search) left the chart dialog deaf to clicks. Wine takes the focus a moment after X moves
# it, which a busy machine makes longer: right after a dialog closed, a key typed at once was lost.
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

# drag_to X Y: presses in the lens of the picker that open_picker found, moves to (X, Y), releases there.
drag_to() { xdotool mousemove $((x + 30)) $((y + 70)) mousedown 1 sleep 0.05 mousemove $1 $2 sleep 0.05 mouseup 1; }

# screen X Y WIDTH HEIGHT: the colours of a rectangle of the screen now, #RRGGBB, one a line, row by row.
screen() { import -window root -crop "$3x$4+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}'; }

# The test pattern's colour at a screen point (tests/support/test_pattern.h) in HTML notation.
pattern_html() { printf '#%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $(((($1 >> 8) & 15) | ((($2 >> 8) & 15) << 4))); }
