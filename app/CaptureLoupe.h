#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

// Where the screen capture's magnifier goes and what it says. Pure
// arithmetic and text; the capture window draws it.
namespace CaptureLoupe {

inline constexpr int Cells = 11;  // photograph pixels across, the pointed one in the middle
inline constexpr int Zoom = 10;   // logical pixels per photograph pixel
inline constexpr int Side = Cells * Zoom;
inline constexpr int Gap = 16;    // from the pointer to the loupe, both ways
inline constexpr int ReadoutHeight = 20;

struct Placement {
    QRect loupe;   // the magnified square
    QRect readout; // the text under it
    QRect whole() const { return loupe.united(readout); }
};

// Beside the pointer (logical pixels), below and right of it, flipped to the
// other side at the edges of screen, so that it lies wholly on that screen
// and never over the pointed pixel.
Placement Place(QPoint pointer, const QRect& screen);

// "#RRGGBB  x, y": the pixel's colour in HTML form and its position.
QString Readout(QRgb colour, QPoint pixel);

// The outline of the middle cell: black on a light pixel, white on a dark one.
QColor OutlineFor(QRgb colour);

// The one-line hint shown at the top of the screen when the capture opens.
QString Hint();

} // namespace CaptureLoupe
