#pragma once

#include <QPoint>

class QWidget;

// Where the mouse pointer is and which widget is under it.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual QPoint cursorPos() const = 0;
    // The innermost widget at a screen point, or null over another program.
    virtual QWidget* widgetAt(QPoint globalPos) const = 0;
};
