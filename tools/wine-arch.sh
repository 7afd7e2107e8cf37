#!/bin/sh
# Which Windows build this machine runs under Wine, found by running a 32-bit Windows program rather than
# by reading a version. Some kernels run no 32-bit x86 code at all; there only the 64-bit build can be
# tested or started. Prints exported shell assignments for eval: WINEARCH win32 or win64, bits 32 or 64,
# suffix the ending of that build's presets ("" or "64"), and why_not, Wine's reason for win64.
root=$(cd "$(dirname "$0")/.." && pwd)
if why=$(WINEARCH=win32 "$root/tools/wine-run.sh" "$root/build/wine-arch/wineprefix" cmd /c exit 0 2>&1); then
    echo "export WINEARCH=win32 bits=32 suffix= why_not="
else
    echo "export WINEARCH=win64 bits=64 suffix=64 why_not='$(echo "$why" | tail -n 1 | sed "s/'/'\\\\''/g")'"
fi
