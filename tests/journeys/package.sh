#!/bin/sh
# The release package as a Windows user gets it: unzipped into a folder whose name holds a character
# with "\" as its second byte in code page 932 (表 is 0x95 0x5C), in a fresh Wine prefix whose shell opens
# .html files and http addresses with a recorder, where F1 and the home page must reach it; then the
# journeys, with the package's ormelin.exe. Usage: package.sh BIN_DIR WINE_PREFIX PACKAGE, in a display.
. "$(dirname "$0")/journey_lib.sh"

# The prefix, made by its first use, and the recorder: cmd appends what the shell is asked to open to
# C:\opened.txt, in code page 932. The .html files are taken for http addresses, so that the one
# command records both.
"$wine_run" "$prefix" reg add 'HKCR\.html' /ve /d http /f >/dev/null 2>&1
"$wine_run" "$prefix" reg add 'HKCR\http\shell\open\command' /ve /d 'cmd /c >>C:\opened.txt echo %1' /f >/dev/null 2>&1
folder=$prefix/drive_c/表示
rm -rf "$folder" "$prefix/drive_c/opened.txt"
unzip -q "$3" -d "$folder" || { echo "FAIL  cannot unzip $3"; exit 1; }
program=$(ls "$folder"/*/ormelin.exe)
# opened N: the Nth thing the shell was asked to open, once it has been.
opened() { iconv -f CP932 "$prefix/drive_c/opened.txt" 2>/dev/null | tr -d '\r' | sed -n "$1p" | grep .; }

check "the package holds one folder with the program and its read-me" "ormelin.exe, ormelin.html" "$(ls -m "$folder"/*)"
start "$program"
eventually shows 1 lens || { echo "FAIL  the packaged picker did not appear"; exit 1; }
keys F1
check "F1 opens the read-me beside the program" "C:\\表示\\$(ls "$folder")\\ormelin.html" "$(eventually opened 1)"
# Help on the menu bar, then its second item, the home page.
xdotool mousemove $((lens_x + 85)) $((lens_y - 10)) click 1 sleep 0.3
eventually shows 1 window "#32768"
xdotool mousemove $((window_x + 40)) $((window_y + 3 + 16 + 8)) click 1
check "the home page" "http://www.example.org/qen/" "$(eventually opened 2)"
# Where shell32 cannot be loaded, nor comdlg32, which needs it, F1 and the colour dialog (Ctrl+M) do
# nothing, and the picker lives on. Wine disables shell32 for a copy of the program alone: its desktop
# needs shell32, and the package's own program must keep it in later runs.
WINEPREFIX="$prefix" wineserver -k
cp "$program" "$folder/no-shell32.exe"
"$wine_run" "$prefix" reg add 'HKCU\Software\Wine\AppDefaults\no-shell32.exe\DllOverrides' /v shell32 /d "" /f >/dev/null 2>&1
start "$folder/no-shell32.exe"
eventually shows 1 lens && keys F1 ctrl+m sleep 1
check "without shell32: pickers, dialogs, opened" "1 0 " \
    "$(shows 1 lens; echo "$count") $(shows 0 window "#32770"; echo "$count") $(opened 3)"
WINEPREFIX="$prefix" wineserver -k

PICKER=$program sh "$(dirname "$0")/journeys.sh" "$bin" "$prefix-journeys" || failed=$((failed + 1))
summary
