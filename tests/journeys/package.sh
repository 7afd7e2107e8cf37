#!/bin/sh
# The release package as a Windows user gets it: unzipped into a folder whose name holds a character
# with "\" as its second byte in code page 932 (表 is 0x95 0x5C), in a fresh Wine prefix whose shell opens
# .html files and http addresses with a recorder, where F1 and the home page must reach it; then the
# journeys, with the package's ormelin.exe. Usage: package.sh BIN_DIR WINE_PREFIX PACKAGE, in a display.
LANG=ja_JP.UTF-8
WINE_DESKTOP_SIZE=1024x768
package=$(realpath "$3")
. "$(dirname "$0")/journey_lib.sh"

folder=$prefix/drive_c/表示
opened=$prefix/drive_c/opened.txt
rm -rf "$folder" "$opened"
mkdir -p "$folder"
unzip -q "$package" -d "$folder" || { echo "FAIL  cannot unzip $package"; exit 1; }
program=$(ls "$folder"/*/ormelin.exe)
recorder="\"Z:$(echo "$bin/journey_helper.exe" | tr / '\\')\" record \"C:\\opened.txt\" \"%1\""
for key in 'HKCR\.html' 'HKCR\htmlfile\shell\open\command' 'HKCR\http\shell\open\command'; do
    value=$recorder
    [ "$key" = 'HKCR\.html' ] && value=htmlfile
    "$wine_run" "$prefix" reg add "$key" /ve /d "$value" /f >/dev/null 2>&1
done

check "the package holds one folder with the program and its read-me" "ormelin.exe ormelin.html" \
    "$(ls "$folder"/* | tr '\n' ' ' | sed 's/ $//')"
start "$program"
eventually shows 1 lens || { echo "FAIL  the packaged picker did not appear"; exit 1; }
opened_lines() { [ "$(wc -l < "$opened" 2>/dev/null || echo 0)" -ge "$1" ]; }
keys F1
eventually opened_lines 1
check "F1 opens the read-me beside the program" "C:\\表示\\$(basename "$(dirname "$program")")\\ormelin.html" \
    "$(sed -n 1p "$opened")"
# Help on the menu bar, then its second item, the home page.
xdotool mousemove $((lens_x + 85)) $((lens_y - 10)) click 1 sleep 0.3
eventually shows 1 window "#32768"
xdotool mousemove $((window_x + 40)) $((window_y + 3 + 16 + 8)) click 1
eventually opened_lines 2
check "the home page" "http://www.example.org/qen/" "$(sed -n 2p "$opened")"
WINEPREFIX="$prefix" wineserver -k

PICKER=$program sh "$(dirname "$0")/journeys.sh" "$bin" "$prefix-journeys" || failed=$((failed + 1))
summary
