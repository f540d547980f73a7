#include "colour/PaletteBitmap.h"

#include "colour/mCPUtils.h"

#include <algorithm>

namespace {

void putLe32(std::uint8_t* at, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(u);
    at[1] = static_cast<std::uint8_t>(u >> 8);
    at[2] = static_cast<std::uint8_t>(u >> 16);
    at[3] = static_cast<std::uint8_t>(u >> 24);
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
}

void PaletteBitmap::Fill(float h)
{
    const int stride = 4 * m_width;
    for (int x = 0; x < m_width; ++x) {
        const auto s = static_cast<float>((100 - x) / 100.0);
        for (int y = 0; y < m_height; ++y) {
            const auto l = static_cast<float>((100 - y) / 100.0);
            std::int32_t r, g, b;
            mCPUtils::HslToRgb(h, s, l, r, g, b);
            std::uint8_t* p = &m_bits[static_cast<std::size_t>(4 * x + stride * y)];
            p[0] = static_cast<std::uint8_t>(b);
            p[1] = static_cast<std::uint8_t>(g);
            p[2] = static_cast<std::uint8_t>(r);
            p[3] = 0;
        }
    }
}

std::uint32_t PaletteBitmap::pixel(int x, int y) const
{
    const std::uint8_t* p = &m_bits[static_cast<std::size_t>(4 * x + 4 * m_width * y)];
    return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}
