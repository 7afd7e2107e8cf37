#!/bin/sh
# Measures the core natively (Google Benchmark, unchecked Release build), then the lens frame on
# real GDI and a drag step in the real window under Wine on a 3840 x 2160 screen. Figures only.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

sh tools/setup-debian.sh
cmake --preset bench >/dev/null && cmake --build --preset bench -j "$jobs" >/dev/null
build/bench/bin/core_bench "$@"

cmake --preset windows >/dev/null
cmake --build --preset windows --target lens_frame_bench_win drag_step_bench_win -j "$jobs" >/dev/null
# A prefix of its own, whose virtual desktop is as large as the screen.
export WINE_DESKTOP_SIZE=3840x2160
XVFB_SCREEN=3840x2160x24 tools/with-xvfb.sh sh -c '
    tools/wine-run.sh "$PWD/build/windows/wineprefix-bench" "$PWD/build/windows/bin/lens_frame_bench_win.exe" &&
    tools/wine-run.sh "$PWD/build/windows/wineprefix-bench" "$PWD/build/windows/bin/drag_step_bench_win.exe"'

