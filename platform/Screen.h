#pragma once

#include "colour/OleColor.h"
#include "platform/DisplayRoundTrip.h"
#include "platform/ScreenBackdrop.h"
#include "platform/ScreenAreas.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The screens, and a photograph of all of them.
class Screen {
public:
    // What a request to read the screen gave: a photograph, or a colour the
    // desktop's own picker chose instead, or neither and the reason.
    struct Reading {
        // The whole desktop at device pixels, covering area (logical pixels);
        // its devicePixelRatio says how many device pixels make a logical one.
        QImage photograph;
        QRect area;
        std::optional<OLE_COLOR> picked;
        // One short sentence for the user when there is neither.
        QString failure;
        // The same photograph kept by the window system, where it can be.
        std::shared_ptr<ScreenBackdrop> backdrop = {};
    };

    virtual ~Screen() = default;
    // The primary screen's area in logical pixels.
    virtual QRect primaryGeometry() const = 0;
    // Every screen together, in logical pixels.
    virtual QRect desktopGeometry() const = 0;
    // Each screen's area, in logical pixels.
    virtual QList<QRect> screenAreas() const { return ScreenAreas::Each(); }
    // True where one window may be placed across several screens by the
    // program itself, past the window manager (X11).
    virtual bool windowsSpanScreens() const { return ScreenAreas::WindowsSpanScreens(); }
    // False where the program cannot place its windows (Wayland).
    virtual bool clientPlacesWindows() const = 0;
    // True where a window that paints nothing shows the screen as it was,
    // unchanged: X11 with no compositing manager.
    virtual bool showsThrough() const { return false; }
    // Returns once the display server has handled every earlier request of
    // this program's, such as the unmapping of its window.
    virtual void RoundTrip() { DisplayRoundTrip::Run(); }
    // Reads the whole desktop. done runs exactly once, from the event loop,
    // never before this returns; the program keeps painting meanwhile.
    virtual void Read(std::function<void(const Reading&)> done) = 0;
};
