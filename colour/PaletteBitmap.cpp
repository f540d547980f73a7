#include "colour/PaletteBitmap.h"

#include "colour/mCPUtils.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <tuple>

static_assert(std::endian::native == std::endian::little, "pixels are stored as the bytes B, G, R, 0");

// The parts of HslToRgb that depend only on saturation and lightness, for
// every pixel: the darkest and lightest channel (m, M), rounded, and what
// the middle channel needs, m and M - m, kept exactly as HslToRgb has them.
// One palette size is kept, shared by the pickers.
struct PaletteIntermediates {
    int width = 0, height = 0;
    std::vector<double> low, span;
    std::vector<std::uint8_t> lowByte, highByte;
};

namespace {

void putLe32(std::uint8_t* at, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(u);
    at[1] = static_cast<std::uint8_t>(u >> 8);
    at[2] = static_cast<std::uint8_t>(u >> 16);
    at[3] = static_cast<std::uint8_t>(u >> 24);
}

std::shared_ptr<const PaletteIntermediates> intermediatesFor(int width, int height)
{
    static std::shared_ptr<const PaletteIntermediates> kept;
    if (kept && kept->width == width && kept->height == height)
        return kept;
    auto t = std::make_shared<PaletteIntermediates>();
    t->width = width;
    t->height = height;
    const auto n = static_cast<std::size_t>(std::max(0, width) * std::max(0, height));
    t->low.resize(n), t->span.resize(n), t->lowByte.resize(n), t->highByte.resize(n);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto [m, M] = mCPUtils::ExtremesOf(static_cast<float>((100 - x) / 100.0), static_cast<float>((100 - y) / 100.0));
            const auto i = static_cast<std::size_t>(y * width + x);
            t->low[i] = m;
            t->span[i] = static_cast<double>(M) - m;
            t->lowByte[i] = static_cast<std::uint8_t>(mCPUtils::RoundHalfEven(static_cast<double>(m) * 255));
            t->highByte[i] = static_cast<std::uint8_t>(mCPUtils::RoundHalfEven(static_cast<double>(M) * 255));
        }
    kept = t;
    return kept;
}

// The middle channel of every pixel, put together with the other two. Built
// for AVX2 as well and chosen at run time: legacy-SSE code runs slowly while
// another library has left the upper halves of the AVX registers dirty, and
// the package must run on any x86-64.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void fillPixels(std::uint8_t* out, const PaletteIntermediates& t, double step, int highShift, int lowShift, int midShift)
{
    const std::size_t n = t.low.size();
    for (std::size_t i = 0; i < n; ++i) {
        const float mid = static_cast<float>(t.low[i] + t.span[i] * step);
        const auto v = static_cast<std::uint32_t>(mCPUtils::RoundHalfEven(static_cast<double>(mid) * 255));
        const std::uint32_t pixel = std::uint32_t(t.highByte[i]) << highShift | std::uint32_t(t.lowByte[i]) << lowShift | v << midShift;
        std::memcpy(out + 4 * i, &pixel, 4);
    }
}

} // namespace

void PaletteBitmap::InitPaletteBitmap(int width, int height)
{
    m_width = width;
    m_height = height;
    m_header.fill(0);
    putLe32(&m_header[0], HeaderSize);
    putLe32(&m_header[4], width);
    putLe32(&m_header[8], -height);
    m_header[12] = 1;  // planes (16 bits)
    m_header[14] = 32; // bits per pixel (16 bits)
    // compression, image size, resolutions and colour counts stay 0
    m_bits.assign(static_cast<std::size_t>(4 * width * height), 0);
    m_intermediates = intermediatesFor(width, height);
}

void PaletteBitmap::Fill(float h)
{
    // As HslToRgb: the sextant names the lightest and the darkest channel;
    // the third is m + (M - m) * step. Bit shifts of red, green and blue.
    constexpr int R = 16, G = 8, B = 0;
    const double dh = h;
    int high, low, mid;
    double step;
    if (dh < 1)
        high = R, std::tie(low, mid, step) = dh < 0 ? std::tuple(G, B, -dh) : std::tuple(B, G, dh);
    else if (dh < 3)
        high = G, std::tie(low, mid, step) = dh < 2 ? std::tuple(B, R, -(dh - 2)) : std::tuple(R, B, dh - 2);
    else
        high = B, std::tie(low, mid, step) = dh < 4 ? std::tuple(R, G, -(dh - 4)) : std::tuple(G, R, dh - 4);
    if (m_intermediates)
        fillPixels(m_bits.data(), *m_intermediates, step, high, low, mid);
}

std::uint32_t PaletteBitmap::pixel(int x, int y) const
{
    const std::uint8_t* p = &m_bits[static_cast<std::size_t>(4 * x + 4 * m_width * y)];
    return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}
