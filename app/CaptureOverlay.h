#pragma once

#include <QWidget>
#include <functional>

// A small window over the capture, for the magnifier or the hint, where the
// window system draws the photograph behind the capture window: only these
// few pixels are painted by the program, and moving one lets the window
// system put the photograph back where it was. It takes no input, so the
// pointer and the keys stay with the capture.
class CaptureOverlay : public QWidget {
public:
    // draw paints the window's area given in global coordinates.
    explicit CaptureOverlay(std::function<void(QPainter&, const QRect&)> draw);
    // Shows it over area (global logical pixels), drawn anew.
    void ShowAt(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&, const QRect&)> m_draw;
};
