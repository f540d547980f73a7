#pragma once

#include "platform/Screen.h"

class QtScreen : public Screen {
public:
    QRect primaryGeometry() const override;
    QImage CaptureScreen() override;
};
