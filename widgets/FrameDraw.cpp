#include "widgets/FrameDraw.h"

#include "colour/mCPUtils.h"
#include "widgets/SurfaceDraw.h"
#include "widgets/FrameRules.h"
#include "platform/QtColour.h"

#include <QPainter>

namespace FrameDraw {

void DrawLine(QImage& s, int x1, int y1, int x2, int y2, OLE_COLOR colour)
{
    SurfaceDraw::Line(s, x1, y1, x2, y2, ToQColor(colour));
}

void DrawRectOutline(QImage& s, int x, int y, int w, int h, OLE_COLOR colour)
{
    DrawLine(s, x, y, x + w, y, colour);
    DrawLine(s, x + w, y, x + w, y + h, colour);
    DrawLine(s, x + w, y + h, x, y + h, colour);
    DrawLine(s, x, y + h, x, y, colour);
}

void FillGradient(QImage& s, int x1, int y0, int x2, int n, OLE_COLOR c0, OLE_COLOR c1)
{
    for (int i = 0; i <= n; ++i)
        DrawLine(s, x1, y0 + i, x2, y0 + i, FrameRules::GradientColor(c0, c1, i, n));
}

void FillGradientBox(QImage& s, int x, int y, int w, int h, OLE_COLOR c0, OLE_COLOR c1, OLE_COLOR outline)
{
    FillGradient(s, x, y, w, h, c0, c1);
    DrawRectOutline(s, x, y, w, h, outline);
}

void DrawGrip(QImage& s, OLE_COLOR light, OLE_COLOR dark, int h)
{
    const int x0 = FrameRules::GripLeft(s.width());
    const int y0 = mCPUtils::RoundHalfEven((h - 2) / 2.0);
    for (int i = 0; i <= 8; ++i) {
        DrawRectOutline(s, x0 + 4 * i + 1, y0 + 1, 1, 1, light);
        DrawRectOutline(s, x0 + 4 * i, y0, 1, 1, dark);
    }
}

void RoundRect(QImage& s, int l, int t, int r, int b, int ew, int eh, OLE_COLOR pen, OLE_COLOR fill)
{
    if (r - l < 1 || b - t < 1 || s.isNull())
        return;
    if (ew <= 0 || eh <= 0) {
        SurfaceDraw::FillRect(s, {l, t, r, b}, ToQColor(fill));
        DrawRectOutline(s, l, t, r - l - 1, b - t - 1, pen);
        return;
    }
    QPainter p(&s);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ToQColor(pen), 0));
    p.setBrush(ToQColor(fill));
    p.drawRoundedRect(QRect(l, t, r - l - 1, b - t - 1), ew / 2.0, eh / 2.0);
}

} // namespace FrameDraw
