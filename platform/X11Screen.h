#pragma once

#include "platform/Screen.h"

class QScreen;

// The X11 way: the window system hands out the screen's pixels.
class X11Screen : public Screen {
public:
    QRect primaryGeometry() const override;
    QRect desktopGeometry() const override;
    bool clientPlacesWindows() const override { return true; }
    bool showsThrough() const override;
    void Read(std::function<void(const Reading&)> done) override;

private:
    // A photograph of every screen, placed by its geometry within the
    // desktop (logical pixels) at dpr; null when the window system gives
    // nothing.
    static QImage PhotographDesktop(const QScreen* primary, const QRect& desktop, qreal dpr);
};
