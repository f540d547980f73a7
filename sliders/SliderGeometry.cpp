#include "sliders/SliderGeometry.h"

#include "colour/mCPUtils.h"

SliderGeometry SliderGeometry::ForSize(int width, int height)
{
    SliderGeometry g;
    g.ClientRect = {0, 0, width, height};
    for (int k = 0; k < 3; ++k)
        g.RampRect[k] = {RampLeft, RampTops[k], width - RampRightInset, RampTops[k] + RampHeight};
    g.PicRGBPos = {g.RampRect[0].right + 2, g.RampRect[0].top - 2};
    g.TxtColorPos[0] = {g.PicRGBPos.x() + PicRGBSize.width() + 2, g.PicRGBPos.y() - 2};
    for (int k = 1; k < 3; ++k)
        g.TxtColorPos[k] = {g.TxtColorPos[0].x(), g.TxtColorPos[k - 1].y() + TxtColorSize.height() + TxtColorGap};
    // 255 over the ramp's usable run, from its left edge to its right.
    g.SliderScale = 255.0f / static_cast<float>(width - RampRightInset - RampLeft);
    return g;
}

SliderGeometry::Rect SliderGeometry::MarkerAt(int k, int left) const
{
    const int bottom = RampRect[k].bottom;
    return {left, bottom, left + MarkerWidth, bottom + MarkerHeight};
}

double SliderGeometry::ClampX(double x) const
{
    const int right = ClientRect.right - RampRightInset;
    if (x <= RampLeft)
        x = RampLeft;
    if (x >= right)
        x = right;
    return x;
}

int SliderGeometry::HitChannel(double y) const
{
    for (int k = 0; k < 3; ++k)
        if (y >= RampRect[k].top && y <= RampRect[k].bottom + HitZoneBelow)
            return k;
    return -1;
}

int SliderGeometry::ValueAt(double clampedX) const
{
    return mCPUtils::RoundHalfEven((clampedX - RampLeft) * SliderScale);
}

float SliderGeometry::MarkerLeftFor(int value) const
{
    return static_cast<float>(value) / SliderScale;
}
