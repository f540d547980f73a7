#include "widgets/SurfaceDraw.h"

#include <cstring>

#include <algorithm>
#include <cstdlib>

namespace SurfaceDraw {

EdgeColours EdgeColours::FromPalette(const QPalette& palette)
{
    return EdgeColours{palette.color(QPalette::Light), palette.color(QPalette::Midlight),
                       palette.color(QPalette::Dark), palette.color(QPalette::Shadow)};
}

void FillInclusive(QImage& surface, int x0, int y0, int x1, int y1, QColor colour)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, surface.width() - 1);
    y1 = std::min(y1, surface.height() - 1);
    if (x1 < x0 || y1 < y0)
        return;
    const QRgb rgb = colour.rgb();
    for (int y = y0; y <= y1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(surface.scanLine(y));
        std::fill(row + x0, row + x1 + 1, rgb);
    }
}

void FillRect(QImage& surface, const Rect& r, QColor colour)
{
    FillInclusive(surface, r.left, r.top, r.right - 1, r.bottom - 1, colour);
}

void Line(QImage& surface, int x0, int y0, int x1, int y1, QColor colour)
{
    if (y0 == y1 && x0 != x1) {
        // Gradients are hundreds of horizontal lines: fill them as spans,
        // still leaving out the end point.
        if (x1 > x0)
            FillInclusive(surface, x0, y0, x1 - 1, y0, colour);
        else
            FillInclusive(surface, x1 + 1, y0, x0, y0, colour);
        return;
    }
    const QRgb rgb = colour.rgb();
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        if (surface.valid(x0, y0))
            reinterpret_cast<QRgb*>(surface.scanLine(y0))[x0] = rgb;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

namespace {

// One ring of an edge: top-left colour first, then bottom-right.
void ring(QImage& s, const Rect& r, unsigned sides, QColor topLeft, QColor bottomRight)
{
    if (sides & BF_TOP)
        Line(s, r.left, r.top, r.right, r.top, topLeft);
    if (sides & BF_LEFT)
        Line(s, r.left, r.top, r.left, r.bottom, topLeft);
    if (sides & BF_BOTTOM)
        Line(s, r.left, r.bottom - 1, r.right, r.bottom - 1, bottomRight);
    if (sides & BF_RIGHT)
        Line(s, r.right - 1, r.top, r.right - 1, r.bottom, bottomRight);
}

} // namespace

void DrawEdge(QImage& surface, const Rect& r, unsigned edge, unsigned sides, const EdgeColours& c)
{
    if (edge & BDR_RAISEDOUTER)
        ring(surface, r, sides, c.light, c.darkShadow);
    else if (edge & BDR_SUNKENOUTER)
        ring(surface, r, sides, c.shadow, c.highlight);

    const bool hasOuter = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    Rect inner = r;
    if (hasOuter) {
        inner.left += (sides & BF_LEFT) ? 1 : 0;
        inner.top += (sides & BF_TOP) ? 1 : 0;
        inner.right -= (sides & BF_RIGHT) ? 1 : 0;
        inner.bottom -= (sides & BF_BOTTOM) ? 1 : 0;
    }
    if (edge & BDR_RAISEDINNER)
        ring(surface, inner, sides, c.highlight, c.shadow);
    else if (edge & BDR_SUNKENINNER)
        ring(surface, inner, sides, c.darkShadow, c.light);
}

void SetDIBitsToDevice(QImage& surface, int width, int height, const std::uint8_t* bits)
{
    const int rows = std::min(height, surface.height());
    const int columns = std::min(width, surface.width());
    for (int y = 0; y < rows; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(surface.scanLine(y));
        const std::uint8_t* src = bits + static_cast<std::size_t>(4 * width * y);
        for (int x = 0; x < columns; ++x, src += 4)
            dst[x] = qRgb(src[2], src[1], src[0]);
    }
}

void Show(QPainter& painter, const QImage& surface, const QRegion& region)
{
    // Scaled by a fraction, the rectangles no longer cover whole screen
    // pixels at their edges: one scaled drawing then fills the region.
    if (painter.deviceTransform().type() > QTransform::TxTranslate) {
        painter.drawImage(region.boundingRect(), surface, region.boundingRect());
        return;
    }
    for (const QRect& r : region) {
        painter.setClipRect(r);
        painter.drawImage(r, surface, r);
    }
    painter.setClipping(false);
}

QRegion ChangedRegion(const QImage& before, const QImage& after)
{
    if (before.size() != after.size() || before.format() != after.format() || after.depth() != 32)
        return QRegion(after.rect());
    // Row spans, a span the same as the row's above growing that one: built
    // in the order a region keeps, and set at once rather than united.
    QList<QRect> spans;
    const auto row = static_cast<std::size_t>(4 * after.width());
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const std::uint32_t*>(after.constScanLine(y));
        if (std::memcmp(a, b, row) == 0)
            continue;
        int first = 0, last = after.width() - 1;
        while (a[first] == b[first])
            ++first;
        while (a[last] == b[last])
            --last;
        if (!spans.isEmpty() && spans.last().bottom() == y - 1 && spans.last().left() == first && spans.last().right() == last)
            spans.last().setBottom(y);
        else
            spans.append(QRect(first, y, last - first + 1, 1));
    }
    QRegion changed;
    changed.setRects(spans.constData(), int(spans.size()));
    return changed;
}

} // namespace SurfaceDraw
