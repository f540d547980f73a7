#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <cstdint>

// Exact, antialiasing-free drawing on a control's persistent surface, with
// the rules of the classic device context: a rectangle covers left..right-1
// and top..bottom-1, and a line leaves out its last point.
namespace SurfaceDraw {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Colours of the four 3D edge shades, taken from a palette.
struct EdgeColours {
    QColor highlight; // brightest, top-left of a raised inner edge
    QColor light;     // top-left of a raised outer edge
    QColor shadow;    // top-left of a sunken outer edge
    QColor darkShadow; // top-left of a sunken inner edge
    static EdgeColours FromPalette(const QPalette& palette);
};

enum EdgeBits : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum SideBits : unsigned {
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
};

// Fills the pixels from (x0, y0) to (x1, y1), both corners included, clipped
// to the surface. Nothing is drawn when x1 < x0 or y1 < y0.
void FillInclusive(QImage& surface, int x0, int y0, int x1, int y1, QColor colour);
// Fills left..right-1, top..bottom-1.
void FillRect(QImage& surface, const Rect& r, QColor colour);
// A one-pixel line from (x0, y0) towards (x1, y1), the end point left out.
void Line(QImage& surface, int x0, int y0, int x1, int y1, QColor colour);
// The 3D edge the desktop draws around controls: the outer edge on the
// rectangle's border, the inner one a pixel inside; top and left first, so
// bottom and right take the corners they share.
void DrawEdge(QImage& surface, const Rect& r, unsigned edge, unsigned sides, const EdgeColours& colours);

// Copies a top-down 32-bit bitmap (bytes blue, green, red, 0 per pixel) of
// width x height to the top-left corner of surface in one go.
void SetDIBitsToDevice(QImage& surface, int width, int height, const std::uint8_t* bits);

// Shows the part of surface that region covers, at the same place on the
// painter's device. Each rectangle is copied on its own: a region with holes
// (where opaque children sit) would otherwise be blended row by row, and on
// worker threads once it is tall.
void Show(QPainter& painter, const QImage& surface, const QRegion& region);

// The part of `after` that differs from `before` (two images of one size), as
// one span per changed row, so that only what changed reaches the screen.
QRegion ChangedRegion(const QImage& before, const QImage& after);

} // namespace SurfaceDraw
