#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// A box that keeps what is drawn into it: drawing goes into a persistent
// image inside an optional 3D border, painting only shows that image, and
// pixels read back from it. Its picture, when set, is drawn at the origin.
class SurfaceBox : public QWidget {
    Q_OBJECT
public:
    enum Border { NoBorder = 0, FlatBorder = 1, SunkenBorder = 2 };

    explicit SurfaceBox(QWidget* parent = nullptr, Border border = NoBorder);

    Border border() const { return m_border; }
    int borderWidth() const { return int(m_border); }

    // The drawing area, in its own pixels; call changed() after drawing.
    QImage& surface()
    {
        syncSurfaceSize();
        drawPending();
        return m_surface;
    }
    const QImage& surface() const
    {
        drawPending();
        return m_surface;
    }
    void changed() { update(); }
    // A drawing of the whole area done only when it is needed: before the
    // next paint or read of the surface, whichever comes first. A newer one
    // replaces one not yet done, so a drag that draws many times a frame
    // draws once. Marks the box changed.
    void drawLater(std::function<void(QImage&)> draw);

    // Draws picture at the origin of the drawing area (over what is there)
    // and remembers it as the box's picture.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // 0x00BBGGRR of the pixel at (x, y) of the drawing area, or -1 outside it.
    std::int32_t GetPixel(int x, int y) const;

signals:
    // Positions are in pixels of the drawing area.
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseMove(int Button, int Shift, double X, double Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // A hidden widget gets its resize event only when shown; drawing may come
    // before that, so the surface follows the size on every access too.
    void syncSurfaceSize();
    void drawPending() const;

    Border m_border;
    mutable QImage m_surface; // drawn on first read after drawLater
    mutable std::function<void(QImage&)> m_pending;
    QImage m_picture;
    QImage m_frame; // the border, kept between paints
};
