// Cost of one lens frame on the software raster, at the default window and at full-screen sizes,
// over a 3840 x 2160 screen of known pixels.
#include <benchmark/benchmark.h>

#include "lens/app_state.h"
#include "lens/lens_frame.h"
#include "lens/raster/raster_platform.h"

namespace {

void composeLensFrameOnRaster(benchmark::State& state)
{
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    RasterImage screen(3840, 2160);
    for (std::size_t i = 0; i < screen.pixels.size(); ++i) {
        screen.pixels[i] = static_cast<ColorRef>(i * 0x010305) & 0xFFFFFF;
    }
    RasterPlatform raster(std::move(screen));
    installPlatform(raster);
    appState = AppState{};
    appState.desktopWindow = raster.desktopWindow();
    appState.screen = {0, 0, 3840, 2160};
    appState.valueFont = raster.CreateFontIndirectA(VALUE_FONT);
    appState.zoom = static_cast<std::int32_t>(state.range(2));
    appState.pickPoint = {1000, 700};
    const WindowHandle window = raster.createWindow({0, 0, width, height}, {0, 0, width, height});
    const SurfaceHandle target = raster.createTargetSurface(width, height, 0);
    for (auto _ : state) {
        composeLensFrame(window, target);
    }
    state.SetItemsProcessed(state.iterations());
    raster.DeleteObject(appState.valueFont);
}
BENCHMARK(composeLensFrameOnRaster)
    ->ArgNames({"width", "height", "zoom"})
    ->Args({150, 100, 5})
    ->Args({1920, 1080, 1})
    ->Args({1920, 1080, 5})
    ->Args({1920, 1080, 31})
    ->Args({3840, 2160, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
