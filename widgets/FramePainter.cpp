#include "widgets/FramePainter.h"

#include "colour/mCPUtils.h"
#include "platform/QtColour.h"
#include "widgets/FrameDraw.h"
#include "widgets/FrameRules.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace FrameDraw;
using FrameRules::BlendColors;

namespace {

constexpr OLE_COLOR White = 0xFFFFFF;

} // namespace

void FramePainter::DrawFrame(QImage& surface, QSize size, FrameProperties& p)
{
    using namespace FrameRules;
    const int W = size.width(), H = size.height();
    if (surface.size() != size)
        surface = QImage(size, QImage::Format_RGB32);
    if (surface.isNull())
        return;
    surface.fill(ToQColor(p.backColor));

    const bool hasCaption = !p.caption.isEmpty();
    if (hasCaption) {
        const QFontMetricsF metrics(p.font);
        p.textWidth = mCPUtils::RoundHalfEven(metrics.horizontalAdvance(p.caption));
        p.textHeight = mCPUtils::RoundHalfEven(metrics.height());
    }
    const FrameFields fields{p.style, hasCaption, p.alignment, p.textBoxHeight, p.roundedCorner,
                             p.roundedCornerTxtBox, !p.picture.isNull(), p.iconSize, p.iconAlignment};
    const FrameLayout layout = LayoutFrame(fields, W, H, p.textWidth, p.textHeight);
    p.bodyTop = layout.bodyTop;
    const int r = layout.corner, T = layout.bodyTop, tbh = p.textBoxHeight, M = Margin;
    const OLE_COLOR lightFrom = BlendColors(p.themeFrom, White);

    switch (p.style) {
    case 0:
        RoundRect(surface, 0, T, W, H, r, r, p.frameColor, p.fillColor);
        if (hasCaption)
            DrawLine(surface, layout.captionGapLeft, T, layout.captionGapLeft + p.textWidth + Pad, T, p.fillColor);
        break;
    case 1:
        RoundRect(surface, 0, T, W, H, r, r, p.themeFrame, lightFrom);
        FillGradientBox(surface, 0, 0, W - 1, M, p.themeTo, p.themeFrom, p.themeFrame);
        FillGradientBox(surface, 0, M, W - 1, tbh, p.themeTo, p.themeFrom, p.themeFrame);
        FillGradientBox(surface, 0, tbh + M, W - 1, M, p.themeTo, p.themeFrom, p.themeFrame);
        FillGradient(surface, 1, tbh + 2 * M + 1, W - 1, layout.bodyGradientSteps, BlendColors(p.themeTo, White), lightFrom);
        break;
    case 2:
        RoundRect(surface, 0, T, W, H, r, r, p.frameColor, p.fillColor);
        RoundRect(surface, Inset, 0, W - Inset, tbh, layout.captionBoxCorner, layout.captionBoxCorner, p.frameColor, p.textBoxColor);
        break;
    case 3:
        RoundRect(surface, 0, T, W, H, r, r, p.frameColor, p.fillColor);
        RoundRect(surface, 0, 0, W, tbh, layout.captionBoxCorner, layout.captionBoxCorner, p.frameColor, p.textBoxColor);
        break;
    case 4:
        RoundRect(surface, 0, 0, W, H, r, r, 0, lightFrom);
        FillGradientBox(surface, 0, 0, W - 1, 2 * M, White, p.themeFrom, 0);
        DrawGrip(surface, White, BlendColors(0, p.themeFrom), 2 * M);
        DrawLine(surface, 0, tbh + 2 * M, W - 1, tbh + 2 * M, 0);
        FillGradient(surface, 1, tbh + 2 * M + 1, W - 1, layout.bodyGradientSteps, BlendColors(p.themeTo, White), lightFrom);
        break;
    default:
        break;
    }

    QPainter painter(&surface);
    if (hasCaption) {
        const SurfaceDraw::Rect& c = layout.CaptionRect;
        Qt::Alignment align = Qt::AlignVCenter;
        align |= FrameRules::HorizontalAlignmentOf(p.textFlags);
        painter.setFont(p.font);
        painter.setPen(ToQColor(p.textColor));
        painter.drawText(QRect(c.left, c.top, c.right - c.left, c.bottom - c.top), int(align) | Qt::TextSingleLine, p.caption);
    }
    if (fields.hasPicture && p.style != 0)
        painter.drawImage(QRect(layout.iconLeft, layout.iconTop, p.iconSize, p.iconSize), p.picture);
}
