#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct PaletteIntermediates;

// A device-independent bitmap: a 40-byte BITMAPINFOHEADER and 32-bit pixels
// stored top row first, each pixel as blue, green, red, 0.
class PaletteBitmap {
public:
    static constexpr int HeaderSize = 40;
    static constexpr int Side = 101; // the palette is Side x Side

    // Header from the two sizes (width, -height: top-down, 1 plane, 32 bits)
    // and room for 4 * width * height pixel bytes.
    void InitPaletteBitmap(int width, int height);

    // Every saturation (1 at the left column to 0 at the right) and lightness
    // (1 at the top row to 0 at the bottom) of sextant hue h.
    void Fill(float h);

    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::array<std::uint8_t, HeaderSize>& header() const { return m_header; }
    const std::vector<std::uint8_t>& bits() const { return m_bits; }
    // Pixel (x, y) as 0x00RRGGBB, the order the bytes B, G, R, 0 read in.
    std::uint32_t pixel(int x, int y) const;

private:
    std::array<std::uint8_t, HeaderSize> m_header{};
    std::vector<std::uint8_t> m_bits;
    int m_width = 0;
    int m_height = 0;
    std::shared_ptr<const PaletteIntermediates> m_intermediates;
};
