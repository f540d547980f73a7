#pragma once

#include <QPoint>
#include <optional>

class QWidget;

// Where the mouse pointer is and which widget is under it.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual QPoint cursorPos() const = 0;
    // The innermost widget at a screen point, or null over another program.
    virtual QWidget* widgetAt(QPoint globalPos) const = 0;
    // The pointer in device pixels of the whole desktop, exact, where the
    // window system tells it (X11); Qt's own positions are rounded to whole
    // logical pixels there, which misses odd device pixels on a scaled
    // screen.
    virtual std::optional<QPoint> devicePos() const { return std::nullopt; }
    // Moves the pointer to a device pixel of the desktop, where the window
    // system lets a program move it (not on Wayland).
    virtual void warpToDevice(QPoint) {}
};
