#!/bin/sh
# The start command as a user runs it. Without a display it tours the test pattern and prints the five
# values at (600, 500) and a screenshot's path; with one, under an English locale, the picker's menu bar
# shows what it shows under the Japanese one. Usage: start.sh, in a display; like the command, it finds
# which build this machine runs, and looks with that build's helper in its release prefix.
root=$(cd "$(dirname "$0")/../.." && pwd)
eval "$("$root/tools/wine-arch.sh")"
set -- "$root/build/windows$suffix/bin" "$root/build/release$suffix/wineprefix"
. "$(dirname "$0")/journey_lib.sh"
start_command=$root/tools/start.sh

tour=$(env -u DISPLAY sh "$start_command" 2>&1)
for value in "#58F412" "R:88 G:244 B:18" "H:101 S:93 B:96" "X:600 Y:500 [x5]" "0x12F458"; do
    check "the tour copies $value" 1 "$(echo "$tour" | grep -qF "$value" && echo 1)"
done
check "the tour names the $bits-bit build" 1 "$(echo "$tour" | grep -q "^Starting the $bits-bit build" && echo 1)"
check "the tour's screenshot" 1 "$([ -s "$(echo "$tour" | sed -n 's/^Screenshot: //p')" ] && echo 1)"

# The 16 rows of the menu bar above the lens, as the picker shows it when started under LOCALE.
menu_bar() {
    LANG=$1 LC_ALL=$1 sh "$start_command" >/dev/null 2>&1 &
    eventually shows 1 lens && sleep 1
    screen "$lens_x" $((lens_y - 16)) "$lens_w" 16 | md5sum
    WINEPREFIX="$prefix" wineserver -k
    wait
}
check "the menu bar under an English locale" "$(menu_bar ja_JP.UTF-8)" "$(menu_bar C.UTF-8)"
summary
