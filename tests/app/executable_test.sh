#!/bin/sh
# The shipped program as Windows would load it, read without running it: its machine, the GUI subsystem,
# imports from no DLL but the few the first frame needs (shell32 and comdlg32 load on first use), and
# the 64 KiB it must not outgrow. Usage: executable_test.sh OBJDUMP PROGRAM FORMAT, the format as objdump
# names it (pei-i386 or pei-x86-64).
headers=$("$1" -p "$2") || exit 1
status=0
fail() { echo "FAIL  $2: $1" && status=1; }
echo "$headers" | grep -q "file format $3\$" || fail "$(echo "$headers" | grep -o 'file format.*')" "$3"
echo "$headers" | grep -q 'Subsystem.*(Windows GUI)' || fail "$(echo "$headers" | grep Subsystem)" "the GUI subsystem"
others=$(echo "$headers" | sed -n 's/.*DLL Name: //p' |
    grep -v -i -x -E '(kernel32|user32|gdi32|msvcrt)\.dll' | tr '\n' ' ')
[ -z "$others" ] || fail "also $others" "kernel32, user32, gdi32 and msvcrt only"
size=$(stat -c %s "$2")
[ "$size" -le 65536 ] || fail "$size bytes" "at most 64 KiB"
exit $status
