// Speed of the colour values: the HSB conversion with its rounding over every colour,
// and the value text in each notation.
#include <benchmark/benchmark.h>

#include "color/hsb.h"
#include "color/value_text.h"

namespace {

void rgbToHsbOverAllColours(benchmark::State& state)
{
    for (auto _ : state) {
        long hueSum = 0;
        for (ColorRef color = 0; color < (1u << 24); ++color) {
            hueSum += hsbDisplayValues(rgbToHsb(color)).hue;
        }
        benchmark::DoNotOptimize(hueSum);
    }
    state.SetItemsProcessed(state.iterations() * (1 << 24));
}
BENCHMARK(rgbToHsbOverAllColours)->Unit(benchmark::kMillisecond);

void formatValueTextIn(benchmark::State& state)
{
    const DisplayMode mode = static_cast<DisplayMode>(state.range(0));
    ColorRef color = 0x00563412;
    for (auto _ : state) {
        ValueText text = formatValueText(color, 0, 1023, 767, 5, mode);
        benchmark::DoNotOptimize(text);
        color = (color + 0x010305) & 0xFFFFFF;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(formatValueTextIn)->DenseRange(0, static_cast<int>(DisplayMode::Hsb));

}  // namespace
