#pragma once

#include "platform/Pointer.h"

#include <QWidget>

// The pointer is over `under` (or over nothing) wherever it is.
class FakePointer : public Pointer {
public:
    QWidget* under = nullptr;
    QPoint pos{5, 5};
    mutable int asked = 0;
    QPoint cursorPos() const override { return pos; }
    QWidget* widgetAt(QPoint) const override
    {
        ++asked;
        return under;
    }
};
