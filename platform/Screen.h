#pragma once

#include <QImage>
#include <QRect>

// The primary screen and a photograph of it.
class Screen {
public:
    virtual ~Screen() = default;
    // The primary screen's area in logical pixels.
    virtual QRect primaryGeometry() const = 0;
    // The whole primary screen at device pixels (its devicePixelRatio set);
    // a null image when the desktop refuses the photograph.
    virtual QImage CaptureScreen() = 0;
};
