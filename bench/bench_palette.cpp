// The palette fill against its floor, a plain tabulated fill giving the same
// bits, written here: once in a fresh process and once after the main window
// exists (a library that leaves the upper halves of the AVX registers dirty
// slows legacy-SSE code from then on). Prints the ratios and whether they
// meet the goal: within 1.5x of the floor, and the two runs within 10 %.
#include "app/fMain.h"
#include "colour/PaletteBitmap.h"
#include "colour/mCPUtils.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int Side = PaletteBitmap::Side;

// The floor: m, M - m and the rounded m and M of every pixel computed once;
// each hue then costs one channel per pixel.
struct Floor {
    std::vector<double> low, span;
    std::vector<std::uint8_t> lowByte, highByte, bits = std::vector<std::uint8_t>(4 * Side * Side);
    Floor()
    {
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                const auto [m, M] = mCPUtils::ExtremesOf(float((100 - x) / 100.0), float((100 - y) / 100.0));
                low.push_back(m), span.push_back(double(M) - m);
                lowByte.push_back(std::uint8_t(mCPUtils::RoundHalfEven(double(m) * 255)));
                highByte.push_back(std::uint8_t(mCPUtils::RoundHalfEven(double(M) * 255)));
            }
    }
    void fill(float h) // hues 0 to 1 only, which is what is timed
    {
        const double step = h;
        for (std::size_t i = 0; i < low.size(); ++i) {
            const float mid = static_cast<float>(low[i] + span[i] * step);
            std::uint8_t* p = &bits[4 * i];
            p[0] = lowByte[i], p[1] = std::uint8_t(mCPUtils::RoundHalfEven(double(mid) * 255)), p[2] = highByte[i], p[3] = 0;
        }
    }
};

double medianMicros(const std::function<void(float)>& fill)
{
    std::vector<double> times;
    for (int i = 0; i < 3000; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fill(float(i % 100) / 100.0f);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Floor floor;
    PaletteBitmap palette;
    palette.InitPaletteBitmap(Side, Side);
    for (float h : {0.0f, 0.37f, 0.99f}) { // the same bits as the floor
        floor.fill(h), palette.Fill(h);
        if (std::memcmp(floor.bits.data(), palette.bits().data(), floor.bits.size()) != 0) {
            std::printf("the palette's fill and the floor differ at hue %g\n", h);
            return 1;
        }
    }
    const double floorTime = medianMicros([&](float h) { floor.fill(h); });
    const double fresh = medianMicros([&](float h) { palette.Fill(h); });
    fMain window;
    window.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const double after = medianMicros([&](float h) { palette.Fill(h); });
    const bool met = fresh <= 1.5 * floorTime && after <= 1.5 * floorTime && std::max(fresh, after) <= 1.1 * std::min(fresh, after);
    std::printf("palette fill, median of 3000: floor %.1f us; fresh %.1f us (%.2fx the floor); after the main window %.1f us "
                "(%.2fx the floor, %.2fx fresh): %s\n",
                floorTime, fresh, fresh / floorTime, after, after / floorTime, after / fresh,
                met ? "goal met (within 1.5x, runs within 10 %)" : "GOAL MISSED (within 1.5x, runs within 10 %)");
    return 0;
}
