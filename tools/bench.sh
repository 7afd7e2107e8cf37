#!/bin/sh
# Measures the core natively (Google Benchmark, unchecked Release build) and the lens frame on
# real GDI under Wine on a 3840 x 2160 Xvfb screen. Figures only: nothing is asserted.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

sh tools/setup-debian.sh
cmake --preset bench >/dev/null && cmake --build --preset bench -j "$jobs" >/dev/null
build/bench/bin/core_bench "$@"

cmake --preset windows >/dev/null && cmake --build --preset windows --target lens_frame_bench_win -j "$jobs" >/dev/null
XVFB_SCREEN=3840x2160x24 tools/with-xvfb.sh \
    tools/wine-run.sh "$PWD/build/windows/wineprefix" "$PWD/build/windows/bin/lens_frame_bench_win.exe"
