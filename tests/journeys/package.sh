# The release package as a Windows user gets it, on a system in the language JOURNEY_LANG names (Japanese
# unless it names another): unzipped into "表示 Café", whose name neither code page 932 nor 1252 holds
# whole (and whose 表 ends in the byte of "\" in code page 932), in a fresh Wine prefix whose shell hands
# .html files to a recorder, where F1 must reach it; then the
# journeys, with the package's ormelin.exe. Usage: package.sh BIN_DIR WINE_PREFIX PACKAGE, in a display.
. "$(dirname "$0")/journey_lib.sh"

# The prefix, made by its first use, and the recorder: cmd appends what the shell asks it to open and the
# folder it starts it in (%%CD%% reaches cmd as %CD%) to C:\opened.txt, in UTF-16 (/u). The .html files
# are taken for http addresses, so that the one command records both.
"$wine_run" "$prefix" reg add 'HKCR\.html' /ve /d http /f >/dev/null 2>&1
"$wine_run" "$prefix" reg add 'HKCR\http\shell\open\command' /ve /d 'cmd /u /c >>C:\opened.txt echo %1^|%%CD%%' /f >/dev/null 2>&1
folder="$prefix/drive_c/表示 Café"
rm -rf "$folder" "$prefix/drive_c/opened.txt"
unzip -q "$3" -d "$folder" || { echo "FAIL  cannot unzip $3"; exit 1; }
program=$(ls "$folder"/*/ormelin.exe)
package="C:\\表示 Café\\$(ls "$folder")"
# opened N: the Nth thing the shell was asked to open and the folder it was opened in, once it has been.
opened() { iconv -f UTF-16LE "$prefix/drive_c/opened.txt" 2>/dev/null | tr -d '\r' | sed -n "$1p" | grep .; }

# Started from C:\, so that only the folder handed to the shell can lead it to the read-me.
(cd "$prefix/drive_c" && start "$program")
eventually shows 1 ORMELIN || { echo "FAIL  the packaged picker did not appear"; exit 1; }
keys F1
check "F1 opens the read-me in the program's folder" "$package\\ormelin.html|$package" "$(eventually opened 1)"
WINEPREFIX="$prefix" wineserver -k  # the journeys' own desktop and picker alone on the display
PICKER=$program sh "$(dirname "$0")/journeys.sh" "$bin" "$prefix-journeys"
