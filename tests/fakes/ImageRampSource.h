#pragma once

#include "colour/OleColor.h"
#include "sliders/RampSource.h"
#include "platform/QtColour.h"

#include <QImage>

// A ramp source backed by an image; pixels outside it read as -1.
class ImageRampSource : public RampSource {
public:
    QImage image;
    int top = 0;

    std::int32_t GetPixel(int x, int y) const override
    {
        return image.valid(x, y) ? FromQRgb(image.pixel(x, y)) : -1;
    }
    int Top() const override { return top; }
};
