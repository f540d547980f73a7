#pragma once

#include "colour/OleColor.h"

#include <QImage>

// The frame's drawing helpers on a persistent surface, with the classic
// device-context rules: lines leave out their end point, RoundRect covers
// left..right-1 and top..bottom-1.
namespace FrameDraw {

void DrawLine(QImage& s, int x1, int y1, int x2, int y2, OLE_COLOR colour);
// Lines round (x, y)-(x+w, y+h); with w = h = 1 exactly a 2 x 2 square.
void DrawRectOutline(QImage& s, int x, int y, int w, int h, OLE_COLOR colour);
// n + 1 horizontal lines from x1 to x2 starting at row y0, c0 to c1.
// A negative n draws nothing; n = 0 draws one line in c0.
void FillGradient(QImage& s, int x1, int y0, int x2, int n, OLE_COLOR c0, OLE_COLOR c1);
void FillGradientBox(QImage& s, int x, int y, int w, int h, OLE_COLOR c0, OLE_COLOR c1, OLE_COLOR outline);
// Nine embossed dots centred across the surface in a band of height h.
void DrawGrip(QImage& s, OLE_COLOR light, OLE_COLOR dark, int h);
// Outline in pen, inside in fill; corner ellipses ew x eh (0: square).
void RoundRect(QImage& s, int l, int t, int r, int b, int ew, int eh, OLE_COLOR pen, OLE_COLOR fill);

} // namespace FrameDraw
