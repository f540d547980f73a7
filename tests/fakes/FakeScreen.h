#pragma once

#include "platform/Screen.h"

// A screen of known size whose photograph is a known image.
class FakeScreen : public Screen {
public:
    QRect geometry{0, 0, 640, 480};
    QImage photograph;
    int captures = 0;

    QRect primaryGeometry() const override { return geometry; }
    QImage CaptureScreen() override
    {
        ++captures;
        return photograph;
    }
};
