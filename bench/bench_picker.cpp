// The picker under the user's hand: one hue pick on the bar (new palette and
// its copy to the screen surface) and one palette pick (pixel read, sliders,
// read-outs, Colorchanged), beside Qt's palette fill as the yardstick.
#include "QtPaletteBaseline.h"
#include "app/PairVerdict.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/MouseLabel.h"
#include "widgets/SurfaceBox.h"

#include "QtBenchmarkMain.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void leftDrag(SurfaceBox* box, QPointF at)
{
    QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
}

void BM_HuePick(benchmark::State& state)
{
    Quor_Colorpicker picker;
    int y = 0;
    for (auto _ : state) {
        y = (y + 7) % 101;
        leftDrag(picker.iHue(), QPointF(9, y + 1));
        benchmark::DoNotOptimize(picker.iPal()->GetPixel(50, 50)); // the new palette, filled when read
    }
    benchmark::DoNotOptimize(picker.CurrentHue());
}
BENCHMARK(BM_HuePick)->Unit(benchmark::kMicrosecond);

void BM_PalettePick(benchmark::State& state)
{
    Quor_Colorpicker picker;
    int changes = 0;
    QObject::connect(&picker, &Quor_Colorpicker::Colorchanged, [&] { ++changes; });
    int i = 0;
    for (auto _ : state) {
        i = (i + 13) % 101;
        leftDrag(picker.iPal(), QPointF(i + 1, 100 - i + 1));
    }
    benchmark::DoNotOptimize(changes);
}
BENCHMARK(BM_PalettePick)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_Palette_QtBaseline)->Unit(benchmark::kMicrosecond);

// The contrast verdict after a colour change: ratio, banner text and its
// repaint (only its own band), tool tips. To be set beside BM_PalettePick.
void BM_ContrastRefresh(benchmark::State& state)
{
    QLabel banner;
    banner.resize(468, 60);
    banner.show();
    Quor_Colorpicker fore, back;
    std::array<MouseLabel*, 5> strip{};
    for (auto*& label : strip)
        label = new MouseLabel(QString(), &banner);
    PairVerdict verdict(&banner, &fore, &back, strip, [] {});
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fore.setColor(RGB(i % 256, 0x66, 0x99));
        ++i;
        state.ResumeTiming();
        verdict.Refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ContrastRefresh)->Unit(benchmark::kMicrosecond);

} // namespace

TINTARO_QT_BENCHMARK_MAIN()
