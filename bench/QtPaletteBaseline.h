#pragma once

// The yardstick for palette work: Qt's own HSL conversion filling the same
// 101 x 101 buffer of 32-bit pixels. Benchmarks register it beside their own
// figures so ratios come from one run.
#include "colour/PaletteBitmap.h"

#include <QColor>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

inline void BM_Palette_QtBaseline(benchmark::State& state)
{
    constexpr int side = PaletteBitmap::Side;
    std::vector<std::uint32_t> pixels(side * side);
    float h = 0.0f;
    for (auto _ : state) {
        const float hue = (h < 0 ? h + 6 : h) / 6.0f;
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y)
                pixels[static_cast<std::size_t>(x + side * y)] =
                    QColor::fromHslF(hue, (100 - x) / 100.0f, (100 - y) / 100.0f).rgb();
        benchmark::DoNotOptimize(pixels.data());
        h = h < 4.9f ? h + 0.1f : -0.95f;
    }
}
