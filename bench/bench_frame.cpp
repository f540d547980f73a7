// One full repaint of the themed frame at the main window's frame size.
#include "QtBenchmarkMain.h"
#include "widgets/zelFrames.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DrawFrame(benchmark::State& state)
{
    zelFrames frame;
    frame.UserControl_InitProperties();
    frame.resize(245, 300);
    frame.setCaption(QStringLiteral("Foreground Color"));
    frame.setStyle(1);
    frame.setColorFrom(0x00C08040);
    frame.setColorTo(0x00F8F0E0);
    frame.setThemeColor(5);
    for (auto _ : state)
        frame.DrawFrame();
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMicrosecond);

} // namespace

TINTARO_QT_BENCHMARK_MAIN()
