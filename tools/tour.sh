#!/bin/sh
# The start command's tour where there is no display: the picker over the test pattern, dragged from its
# lens to a point and copied in each of its five notations, then a screenshot. Usage: tour.sh
# HELPER_BIN_DIR WINE_PREFIX PICKER, inside a display of 1024 x 768; prints each copied value.
PICKER=$3
wine_run=$(cd "$(dirname "$0")" && pwd)/wine-run.sh
. "$(dirname "$0")/../tests/journeys/journey_lib.sh"

open_picker >&2
drag_to 600 500
echo "Dragged from the lens to (600, 500) of the test pattern, then copied with Ctrl+C:"
printf '  %-20s%s\n' "HTML" "$(copy_after)"
for notation in RGB HSB "screen coordinates" COLORREF; do  # F3 steps to the next notation
    printf '  %-20s%s\n' "$notation" "$(copy_after F3)"
done
shot=$(dirname "$prefix")/tour.png
import -window root "$shot"
echo "Screenshot: $shot"
