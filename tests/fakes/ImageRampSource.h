#pragma once

#include "sliders/RampSource.h"

#include <QImage>

// A ramp source backed by an image; pixels outside it read as -1.
class ImageRampSource : public RampSource {
public:
    QImage image;
    int top = 0;

    std::int32_t GetPixel(int x, int y) const override
    {
        if (!image.valid(x, y))
            return -1;
        const QRgb c = image.pixel(x, y);
        return qRed(c) | qGreen(c) << 8 | qBlue(c) << 16;
    }
    int Top() const override { return top; }
};
