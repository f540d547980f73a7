// One pointer move over the capture window: the pixel goes to the picker and
// the screen is brought up to date, with the magnifier and without it, on a
// 1920 x 1080 photograph. Prints the ratio of the two.
#include "app/fMain.h"
#include "app/fScreen.h"
#include "picker/Quor_Colorpicker.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void moves(benchmark::State& state, bool magnifier)
{
    fMain main;
    fScreen capture;
    capture.setTarget(main.cpFore());
    QImage photo(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x & 255, y & 255, 77));
    capture.setPicture(photo, QRect(0, 0, 1920, 1080));
    capture.setMagnifier(magnifier);
    capture.ShowOver(QRect(0, 0, 1920, 1080));
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        i = (i + 1) % 400;
        const QPointF at(300 + i, 200 + i / 2);
        QMouseEvent move(QEvent::MouseMove, at, capture.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&capture, &move);
        QApplication::processEvents(); // the repaint of what changed
    }
    capture.hide();
}

void BM_CaptureMoveWithLoupe(benchmark::State& state)
{
    moves(state, true);
}
BENCHMARK(BM_CaptureMoveWithLoupe)->Unit(benchmark::kMicrosecond);

void BM_CaptureMoveWithoutLoupe(benchmark::State& state)
{
    moves(state, false);
}
BENCHMARK(BM_CaptureMoveWithoutLoupe)->Unit(benchmark::kMicrosecond);

} // namespace

// Runs both and prints how much the magnifier adds, and how a move compares
// with a 60 Hz frame.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    struct Reporter : benchmark::ConsoleReporter {
        double with = 0, without = 0;
        void ReportRuns(const std::vector<Run>& runs) override
        {
            ConsoleReporter::ReportRuns(runs);
            for (const Run& r : runs) {
                const double us = r.GetAdjustedRealTime();
                (r.benchmark_name().find("Without") != std::string::npos ? without : with) = us;
            }
        }
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.with > 0 && reporter.without > 0)
        std::printf("magnifier: %.2fx the move without it; a move is %.1f %% of a 16.7 ms frame\n", reporter.with / reporter.without,
                    100.0 * reporter.with / 16667.0);
    benchmark::Shutdown();
    return 0;
}
