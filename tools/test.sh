#!/bin/sh
# Installs what is missing, builds the native preset and both Windows builds with their release packages,
# and runs every test: the core natively, then under Wine every Windows test of the 64-bit build, and of
# the 32-bit build where this machine runs 32-bit programs; where it does not, the 32-bit build is checked
# without running it. One line at the end says which builds ran and how they fared.
. "$(dirname "$0")/common.sh"
set +e
status=0
build_preset native || exit 1
ctest --preset native -j "$jobs" || status=1
for build in "" 64; do
    build_preset "windows$build" || exit 1
    cmake --workflow --preset "release$build" || exit 1
done

# outcome COMMAND...: runs a test command, its output to stderr, and prints "passed" or "failed".
outcome() { "$@" >&2 && echo passed || echo failed; }
eval "$(tools/wine-arch.sh)"
ran64=$(outcome tools/with-xvfb.sh ctest --preset windows64)
if [ "$WINEARCH" = win32 ]; then
    ran32="32-bit run under Wine, $(outcome tools/with-xvfb.sh ctest --preset windows)"
else
    ran32="32-bit NOT RUN, since 32-bit Windows programs do not run here ($why_not); built and checked without running, $(outcome ctest --preset windows -LE wine)"
fi
echo "Windows builds: 64-bit run under Wine, $ran64; $ran32"
case "$ran64 $ran32" in *failed*) status=1 ;; esac
exit $status
