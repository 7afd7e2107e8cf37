#!/bin/sh
# Measures the core natively (Google Benchmark, unchecked Release build), then under Wine on a
# 3840 x 2160 screen, in the Windows build this machine runs (32-bit, else 64-bit): the lens frame on
# real GDI, a drag step in the real window, the end-to-end pick latency, and the release program's
# start-up beside a minimal program's and its size. Figures only.
. "$(dirname "$0")/common.sh"
build_preset bench >/dev/null
build/bench/bin/core_bench "$@"

eval "$(tools/wine-arch.sh)"
echo "Under Wine: the $bits-bit build${why_not:+ (32-bit Windows programs do not run here: $why_not)}"
build_preset "release$suffix" >/dev/null
build_preset "windows$suffix" lens_frame_bench_win drag_step_bench_win pick_latency_bench_win startup_bench_win \
    minimal_window_win ormelin journey_helper >/dev/null
# A prefix of its own, whose virtual desktop is as large as the screen.
export WINE_DESKTOP_SIZE=3840x2160 XVFB_WINE_PREFIXES="$PWD/build/windows$suffix/wineprefix-bench"
XVFB_SCREEN=3840x2160x24 tools/with-xvfb.sh sh -c '
    run() { tools/wine-run.sh "$XVFB_WINE_PREFIXES" "$PWD/build/windows$suffix/bin/$1" ${2:+"$2"}; }
    run startup_bench_win.exe "Z:$(echo "$PWD/build/release$suffix/bin/ormelin.exe" | tr / "\\\\")" || exit 1
    run lens_frame_bench_win.exe && run drag_step_bench_win.exe || exit 1
    # The end-to-end pick: the real program over the test pattern, moved by injected input.
    run journey_helper.exe pattern >/dev/null 2>&1 &
    sleep 5
    run ormelin.exe >/dev/null 2>&1 &
    sleep 3
    run pick_latency_bench_win.exe'
