#!/bin/sh
# Measures the core natively (Google Benchmark, unchecked Release build), then under Wine on a
# 3840 x 2160 screen, in each Windows build this machine runs: the release program's start-up beside a
# minimal program's, its size and the lens frame on real GDI; and in the first of them a drag step in the
# real window and the end-to-end pick latency. Figures only.
. "$(dirname "$0")/common.sh"
build_preset bench >/dev/null
build/bench/bin/core_bench "$@"

eval "$(tools/wine-arch.sh)"
[ "$WINEARCH" = win32 ] && builds="32 64" || builds=64
echo "Under Wine${why_not:+, the 64-bit build only (32-bit Windows programs do not run here: $why_not)}:"
for bits in $builds; do
    build_preset "release${bits#32}" >/dev/null
    build_preset "windows${bits#32}" startup_bench_win minimal_window_win lens_frame_bench_win >/dev/null
done
build_preset "windows$suffix" drag_step_bench_win pick_latency_bench_win ormelin journey_helper >/dev/null
# Prefixes of their own, whose virtual desktop is as large as the screen.
export WINE_DESKTOP_SIZE=3840x2160 builds
export XVFB_WINE_PREFIXES="$PWD/build/windows/wineprefix-bench $PWD/build/windows64/wineprefix-bench"
XVFB_SCREEN=3840x2160x24 tools/with-xvfb.sh sh -c '
    # run BITS PROGRAM [ARGUMENT]: a program of that build, in its prefix.
    run() {
        build=$PWD/build/windows${1#32}
        WINEARCH=win$1 tools/wine-run.sh "$build/wineprefix-bench" "$build/bin/$2" ${3:+"$3"}
    }
    for bits in $builds; do
        echo "The $bits-bit build:"
        picker=$(echo "Z:$PWD/build/release${bits#32}/bin/ormelin.exe" | tr / "\\\\")
        run "$bits" startup_bench_win.exe "$picker" && run "$bits" lens_frame_bench_win.exe || exit 1
    done
    bits=${builds%% *}
    echo "The $bits-bit build:"
    run "$bits" drag_step_bench_win.exe || exit 1
    # The end-to-end pick: the real program over the test pattern, moved by injected input.
    run "$bits" journey_helper.exe pattern >/dev/null 2>&1 &
    sleep 5
    run "$bits" ormelin.exe >/dev/null 2>&1 &
    sleep 3
    run "$bits" pick_latency_bench_win.exe'
