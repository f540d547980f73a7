#pragma once

#include <cstdint>

// A colour as it crosses every boundary of the program: 0x00BBGGRR, red in the
// low byte. Byte 3 is not part of the colour and is ignored when taken apart.
using OLE_COLOR = std::int32_t;

// Joins three components 0..255; the result always has byte 3 clear.
constexpr OLE_COLOR RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr int RedOf(OLE_COLOR c) { return c & 0xFF; }
constexpr int GreenOf(OLE_COLOR c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(OLE_COLOR c) { return (c >> 16) & 0xFF; }

// The three low bytes of c joined again: what a colour with byte 3 set means.
constexpr OLE_COLOR LowRgbOf(OLE_COLOR c)
{
    return RGB(RedOf(c), GreenOf(c), BlueOf(c));
}
