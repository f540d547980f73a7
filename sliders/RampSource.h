#pragma once

#include <cstdint>

// What the sliders can take a colour from: a surface whose pixels can be read
// and whose top edge is known in the sliders' own coordinates.
class RampSource {
public:
    virtual ~RampSource() = default;
    // 0x00BBGGRR of the pixel at (x, y), or -1 when it cannot be read.
    virtual std::int32_t GetPixel(int x, int y) const = 0;
    virtual int Top() const = 0;
};
