// The RGB sliders under a drag: one mouse move that changes a channel (entry
// box steps, markers, Change), and one full ramp redraw, at the picker's size.
#include "sliders/vRGBSliders.h"

#include "QtBenchmarkMain.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void BM_DragStep(benchmark::State& state)
{
    vRGBSliders sliders;
    sliders.resize(132, 80);
    int changes = 0;
    QObject::connect(&sliders, &vRGBSliders::Change, [&] { ++changes; });
    int x = 5;
    for (auto _ : state) {
        x = x >= 92 ? 5 : x + 1;
        const QPointF pos(x, 40);
        QMouseEvent move(QEvent::MouseMove, pos, pos, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&sliders, &move);
    }
    benchmark::DoNotOptimize(changes);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

void BM_DrawRamps(benchmark::State& state)
{
    vRGBSliders sliders;
    sliders.resize(132, 80);
    sliders.setcRedValue(120);
    sliders.setcGreenValue(60);
    sliders.setcBlueValue(200);
    for (auto _ : state)
        sliders.DrawRamps();
}
BENCHMARK(BM_DrawRamps)->Unit(benchmark::kMicrosecond);

} // namespace

TINTARO_QT_BENCHMARK_MAIN()
