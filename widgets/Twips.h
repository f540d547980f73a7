#pragma once

#include <QRect>

// Design positions and sizes are kept in twips, as drawn up; 15 twips make
// one pixel on the design's 96 dots-per-inch screen.
inline constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
