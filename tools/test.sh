#!/bin/sh
# Installs what is missing, builds the native and the Windows presets and the release package, and runs
# every test: the core natively, then the core, the Win32 tests and the journeys under Wine.
. "$(dirname "$0")/common.sh"
set +e
status=0
build_preset native || exit 1
ctest --preset native -j "$jobs" || status=1
build_preset windows || exit 1
cmake --workflow --preset release || exit 1
tools/with-xvfb.sh ctest --preset windows || status=1
exit $status
