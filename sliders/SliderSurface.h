#pragma once

#include "sliders/SliderGeometry.h"

#include <QColor>
#include <QImage>
#include <array>

// What the RGB sliders keep drawn: the three gradient ramps with their edges,
// the optional border, and the marker strips under the ramps with a hollow
// triangle marking each channel. Draws into a persistent image with the
// device-context rules of SurfaceDraw and knows nothing of widgets.
class SliderSurface {
public:
    // Lays out for a new size: the image keeps what was drawn (new area in
    // background) and the markers go back to value 0.
    void Resize(QSize size, const QColor& background);

    // The ramps for channel values r, g, b (each ramp runs its own channel
    // from 0 to 255 with the other two held), their edges, then border
    // style 1..5 around everything (other styles draw none).
    void DrawRamps(int r, int g, int b, int borderStyle, const SurfaceDraw::EdgeColours& colours);
    // One ramp band: n + 1 one-pixel columns from `from` to `to`, n being
    // the width less two.
    void DrawGradient(const SurfaceDraw::Rect& r, const std::array<int, 3>& from, const std::array<int, 3>& to);

    // Moves each marker to its channel value, then draws them.
    void PlaceMarkers(const std::array<int, 3>& values, const QColor& background, const QColor& foreground);
    // Erases the marker strips and draws the markers where they are.
    void DrawMarkers(const QColor& background, const QColor& foreground);
    void setMarker(int k, const SurfaceDraw::Rect& r) { m_marker[static_cast<std::size_t>(k)] = r; }

    const QImage& image() const { return m_image; }
    QSize size() const { return m_laidOutSize; }
    const SliderGeometry& geometry() const { return m_geometry; }
    const SurfaceDraw::Rect& marker(int k) const { return m_marker[static_cast<std::size_t>(k)]; }

private:
    void eraseMarkerStrips(const QColor& background);
    void drawTriangles(const QColor& foreground);

    QImage m_image;
    QSize m_laidOutSize;
    SliderGeometry m_geometry;
    std::array<SurfaceDraw::Rect, 3> m_marker{};
};
