#pragma once

#include <QPoint>

class QWindow;

// A photograph of the desktop that the window system keeps itself: a window
// shows it as its background, and the window system draws it there, so the
// program neither paints nor holds a second copy of millions of pixels.
class ScreenBackdrop {
public:
    virtual ~ScreenBackdrop() = default;
    // Makes the photograph window's background, its device pixel offset
    // (the window's top-left corner within the photograph) at the window's
    // top-left corner, and redraws the window with it unless it shows the
    // same already; false where that cannot be done.
    virtual bool ShowBehind(QWindow* window, QPoint offset, bool redraw = true) = 0;
};
