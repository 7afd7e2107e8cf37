#!/bin/sh
# Measures the core natively (Google Benchmark, unchecked Release build), then the lens frame on
# real GDI, a drag step in the real window and the end-to-end pick latency under Wine on a
# 3840 x 2160 screen. Figures only: nothing is asserted.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

sh tools/setup-debian.sh
cmake --preset bench >/dev/null && cmake --build --preset bench -j "$jobs" >/dev/null
build/bench/bin/core_bench "$@"

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" \
    --target lens_frame_bench_win drag_step_bench_win pick_latency_bench_win ormelin test_pattern >/dev/null
# A prefix of its own, whose virtual desktop is as large as the screen.
export WINE_DESKTOP_SIZE=3840x2160 XVFB_WINE_PREFIXES="$PWD/build/windows/wineprefix-bench"
XVFB_SCREEN=3840x2160x24 tools/with-xvfb.sh sh -c '
    run() { tools/wine-run.sh "$XVFB_WINE_PREFIXES" "$PWD/build/windows/bin/$1"; }
    run lens_frame_bench_win.exe && run drag_step_bench_win.exe || exit 1
    # The end-to-end pick: the real program over the test pattern, moved by injected input.
    run test_pattern.exe >/dev/null 2>&1 &
    sleep 5
    run ormelin.exe >/dev/null 2>&1 &
    sleep 3
    run pick_latency_bench_win.exe'

