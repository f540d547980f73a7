#include "sliders/SliderSurface.h"

#include "colour/mCPUtils.h"
#include "sliders/SliderRules.h"

#include <QPainter>

using mCPUtils::RoundHalfEven;

void SliderSurface::Resize(QSize size, const QColor& background)
{
    m_laidOutSize = size;
    m_geometry = SliderGeometry::ForSize(size.width(), size.height());
    for (int k = 0; k < 3; ++k)
        m_marker[static_cast<std::size_t>(k)] = m_geometry.ZeroMarker(k);
    if (m_image.size() == size)
        return;
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(background);
    if (!m_image.isNull() && !grown.isNull())
        QPainter(&grown).drawImage(0, 0, m_image);
    m_image = grown;
}

void SliderSurface::DrawGradient(const SurfaceDraw::Rect& r, const std::array<int, 3>& from, const std::array<int, 3>& to)
{
    const int n = r.right - r.left - 2;
    if (n < 0)
        return;
    // A two-pixel band has n = 0: its one step is the left colour (and no
    // division by zero).
    const int steps = std::max(n, 1);
    for (int i = 0; i <= n; ++i) {
        const QColor c(SliderRules::GradientComponent(from[0], to[0], i, steps),
                       SliderRules::GradientComponent(from[1], to[1], i, steps),
                       SliderRules::GradientComponent(from[2], to[2], i, steps));
        SurfaceDraw::FillInclusive(m_image, r.left + i, r.top, r.left + i + 1, r.bottom - 1, c);
    }
}

void SliderSurface::DrawRamps(int r, int g, int b, int borderStyle, const SurfaceDraw::EdgeColours& colours)
{
    const std::array<std::array<int, 3>, 3> from{{{0, g, b}, {r, 0, b}, {r, g, 0}}};
    const std::array<std::array<int, 3>, 3> to{{{255, g, b}, {r, 255, b}, {r, g, 255}}};
    for (std::size_t k = 0; k < 3; ++k) {
        DrawGradient(m_geometry.RampRect[k], from[k], to[k]);
        SurfaceDraw::DrawEdge(m_image, m_geometry.RampRect[k], SurfaceDraw::BDR_SUNKENINNER, SurfaceDraw::BF_LEFT | SurfaceDraw::BF_TOP, colours);
        SurfaceDraw::DrawEdge(m_image, m_geometry.RampRect[k], SurfaceDraw::BDR_SUNKENOUTER, SurfaceDraw::BF_RIGHT | SurfaceDraw::BF_BOTTOM, colours);
    }
    static constexpr unsigned borderEdges[6] = {0, SurfaceDraw::EDGE_SUNKEN, SurfaceDraw::EDGE_RAISED, SurfaceDraw::EDGE_ETCHED,
                                                SurfaceDraw::EDGE_BUMP, SurfaceDraw::BDR_SUNKENOUTER};
    if (borderStyle >= 1 && borderStyle <= 5)
        SurfaceDraw::DrawEdge(m_image, m_geometry.ClientRect, borderEdges[borderStyle], SurfaceDraw::BF_RECT, colours);
}

void SliderSurface::eraseMarkerStrips(const QColor& background)
{
    for (const SurfaceDraw::Rect& ramp : m_geometry.RampRect)
        SurfaceDraw::FillInclusive(m_image, ramp.left - SliderGeometry::MarkerStripReach, ramp.bottom,
                                  ramp.right + SliderGeometry::MarkerStripReach, ramp.bottom + SliderGeometry::MarkerStripReach, background);
}

void SliderSurface::drawTriangles(const QColor& foreground)
{
    for (const SurfaceDraw::Rect& m : m_marker) {
        const int tip = m.left + SliderGeometry::MarkerWidth / 2;
        SurfaceDraw::Line(m_image, tip, m.top, m.left, m.bottom, foreground);
        SurfaceDraw::Line(m_image, m.left, m.bottom, m.right, m.bottom, foreground);
        SurfaceDraw::Line(m_image, m.right, m.bottom, tip, m.top, foreground);
    }
}

void SliderSurface::PlaceMarkers(const std::array<int, 3>& values, const QColor& background, const QColor& foreground)
{
    std::array<float, 3> x{};
    for (std::size_t k = 0; k < 3; ++k)
        x[k] = m_geometry.MarkerLeftFor(values[k]);
    eraseMarkerStrips(background);
    for (std::size_t k = 0; k < 3; ++k) {
        m_marker[k].left = RoundHalfEven(x[k]);
        m_marker[k].right = RoundHalfEven(x[k] + float(SliderGeometry::MarkerWidth));
    }
    drawTriangles(foreground);
}

void SliderSurface::DrawMarkers(const QColor& background, const QColor& foreground)
{
    eraseMarkerStrips(background);
    drawTriangles(foreground);
}
