#pragma once

#include "platform/ScreenBackdrop.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>

// A photograph of the X11 screen taken once on the server into a pixmap and
// read from it through shared memory (MIT-SHM), without a copy in between.
// The pixmap becomes the capture window's background; the image the program
// samples is the shared memory itself. Both are given back when the last
// holder lets go.
class X11Photograph : public ScreenBackdrop, public std::enable_shared_from_this<X11Photograph> {
public:
    // The root window's area at device pixels; null where the server has no
    // shared memory or the screen is not 32-bit xRGB.
    static std::shared_ptr<X11Photograph> Take(const QRect& device);
    // True where no compositing manager runs: a window that paints nothing
    // shows what the screen showed.
    static bool ScreenShowsThrough();
    ~X11Photograph() override;

    // The photograph, sharing the memory the server wrote: reading it copies
    // nothing, and it stays valid as long as any copy of it lives.
    QImage image();
    bool ShowBehind(QWindow* window, QPoint offset, bool redraw = true) override;

private:
    X11Photograph() = default;
    bool take(const QRect& device);

    void* m_connection = nullptr; // Qt's own xcb connection
    uint32_t m_pixmap = 0;
    uint32_t m_part = 0; // a part of m_pixmap, for a window that covers less
    uint32_t m_window = 0; // the window it is shown behind
    uint32_t m_segment = 0;
    uchar* m_pixels = nullptr;
    QSize m_size;
};
