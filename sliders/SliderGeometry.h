#pragma once

#include "widgets/SurfaceDraw.h"

#include <QPoint>
#include <array>

// Where everything of the RGB sliders lies for a given width: the ramps, the
// markers, the strip and entry boxes, and how a pointer position maps to a
// channel value. Pure arithmetic, shared by drawing and mouse handling.
struct SliderGeometry {
    using Rect = SurfaceDraw::Rect;

    static constexpr int RampLeft = 5;
    static constexpr int RampRightInset = 40; // ramp right edge = W - 40
    static constexpr int RampTops[3] = {14, 38, 62};
    static constexpr int RampHeight = 8;
    static constexpr int HitZoneBelow = 15; // rows under a ramp that still pick it
    static constexpr int MarkerWidth = 10;
    static constexpr int MarkerHeight = 5;
    // The strip cleared under each ramp before markers are drawn: it reaches
    // past both ends of the ramp, and below it, by this much.
    static constexpr int MarkerStripReach = 10;
    static constexpr QSize PicRGBSize{8, 69};
    static constexpr QSize TxtColorSize{25, 16};
    static constexpr int TxtColorGap = 5;

    Rect ClientRect;
    std::array<Rect, 3> RampRect;
    float SliderScale = 0; // channel units per pixel of ramp
    QPoint PicRGBPos;
    std::array<QPoint, 3> TxtColorPos;

    static SliderGeometry ForSize(int width, int height);

    // The marker box of channel k with its left side at left.
    Rect MarkerAt(int k, int left) const;
    // The value-0 marker box that a resize resets to.
    Rect ZeroMarker(int k) const { return MarkerAt(k, RampRect[k].left - MarkerWidth / 2); }

    // Pointer x held to the ramp's ends.
    double ClampX(double x) const;
    // Channel whose hit zone holds row y (red, green, blue tested in turn), or -1.
    int HitChannel(double y) const;
    // Channel value for a clamped pointer x: (x - 5) * SliderScale, rounded.
    int ValueAt(double clampedX) const;
    // Marker left edge, in single precision, for a channel value.
    float MarkerLeftFor(int value) const;
};
