// Colour conversion speed: the picker's own HslToRgb and the full 101 x 101
// palette, each beside Qt's QColor::fromHslF doing the same work.
#include "QtPaletteBaseline.h"
#include "colour/PaletteBitmap.h"
#include "colour/mCPUtils.h"

#include <QColor>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

void BM_HslToRgb(benchmark::State& state)
{
    float h = -0.95f;
    for (auto _ : state) {
        std::int32_t r, g, b;
        mCPUtils::HslToRgb(h, 0.63f, 0.41f, r, g, b);
        benchmark::DoNotOptimize(r + g + b);
        h = h < 4.9f ? h + 0.05f : -0.95f;
    }
}
BENCHMARK(BM_HslToRgb);

void BM_HslToRgb_QtBaseline(benchmark::State& state)
{
    float h = -0.95f;
    for (auto _ : state) {
        const QColor c = QColor::fromHslF((h < 0 ? h + 6 : h) / 6.0f, 0.63f, 0.41f);
        benchmark::DoNotOptimize(c.rgb());
        h = h < 4.9f ? h + 0.05f : -0.95f;
    }
}
BENCHMARK(BM_HslToRgb_QtBaseline);

void BM_Palette(benchmark::State& state)
{
    PaletteBitmap bmp;
    bmp.InitPaletteBitmap(PaletteBitmap::Side, PaletteBitmap::Side);
    float h = 0.0f;
    for (auto _ : state) {
        bmp.Fill(h);
        benchmark::DoNotOptimize(bmp.bits().data());
        h = h < 4.9f ? h + 0.1f : -0.95f;
    }
}
BENCHMARK(BM_Palette)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_Palette_QtBaseline)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
