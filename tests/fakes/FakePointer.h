#pragma once

#include "platform/Pointer.h"

#include <QWidget>

// The pointer is over `under` (or over nothing) wherever it is.
class FakePointer : public Pointer {
public:
    QWidget* under = nullptr;
    mutable int asked = 0;
    QPoint cursorPos() const override { return QPoint(5, 5); }
    QWidget* widgetAt(QPoint) const override
    {
        ++asked;
        return under;
    }
};
