// Every one of the 16,777,216 colours through every text form and back:
// prints, per form, how many did not come back as the same colour (each
// must be 0) and the time taken. "name" goes there and back only for the
// 148 colours CSS names; its "~nearest" is for reading.
// usage: sweep_forms [STEP]   (STEP > 1 samples every STEP-th colour)
#include "colour/ColourForms.h"
#include "colour/ColourText.h"

#include <QElapsedTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

int main(int argc, char** argv)
{
    const int step = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    int total = 0;
    for (const ColourForms::Form& form : ColourForms::All()) {
        const auto prefer = form.id == QLatin1String("long") ? ColourText::Prefer::Long : ColourText::Prefer::Html;
        const bool named = form.id == QLatin1String("name");
        std::atomic<long> failed{0}, tried{0};
        QElapsedTimer clock;
        clock.start();
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < threads; ++t)
            workers.emplace_back([&, t] {
                long bad = 0, count = 0;
                for (long c = long(t) * step; c < 0x1000000; c += long(threads) * step) {
                    const QString text = ColourForms::Format(form.id, OLE_COLOR(c));
                    if (named && text.startsWith(QLatin1Char('~')))
                        continue;
                    ++count;
                    const auto back = ColourText::Parse(text, prefer);
                    if (!back || *back != OLE_COLOR(c)) {
                        if (++bad <= 3)
                            std::printf("  %s: %06lX -> \"%s\" -> %s\n", qPrintable(form.id), c, qPrintable(text),
                                        back ? qPrintable(QString::number(*back, 16)) : "unreadable");
                    }
                }
                failed += bad;
                tried += count;
            });
        for (std::thread& w : workers)
            w.join();
        std::printf("%-6s %9ld colours, %ld failed, %.1f s\n", qPrintable(form.id), tried.load(), failed.load(),
                    clock.elapsed() / 1000.0);
        std::fflush(stdout);
        total += int(failed.load());
    }
    std::printf("failed in all: %d\n", total);
    return total == 0 ? 0 : 1;
}
