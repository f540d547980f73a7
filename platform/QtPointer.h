#pragma once

#include "platform/Pointer.h"

class QtPointer : public Pointer {
public:
    QPoint cursorPos() const override;
    QWidget* widgetAt(QPoint globalPos) const override;
    std::optional<QPoint> devicePos() const override;
    void warpToDevice(QPoint device) override;
};
