#include "widgets/FrameRules.h"

#include "colour/mCPUtils.h"

using mCPUtils::RoundHalfEven;

namespace FrameRules {

Theme ThemeFor(int themeColor, OLE_COLOR colorFrom, OLE_COLOR colorTo, OLE_COLOR frameColor)
{
    switch (themeColor) {
    case 0: return {RGB(129, 169, 226), RGB(221, 236, 254), RGB(0, 0, 128)};
    case 2: return {RGB(181, 197, 143), RGB(247, 249, 225), RGB(63, 93, 56)};
    case 3: return {RGB(194, 194, 171), RGB(248, 248, 242), RGB(145, 145, 115)};
    case 4: return {RGB(217, 172, 1), RGB(255, 239, 165), RGB(117, 91, 30)};
    case 5: return {colorFrom, colorTo, frameColor};
    default: return {RGB(153, 151, 180), RGB(244, 244, 251), RGB(75, 75, 111)};
    }
}

namespace {

constexpr std::int32_t DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_SINGLELINE = 0x20;

} // namespace

std::int32_t TextFlagsFor(int alignment)
{
    const std::int32_t base = DT_VCENTER | DT_SINGLELINE;
    if (alignment == 0)
        return base;
    if (alignment == 1)
        return base | DT_RIGHT;
    return base | DT_CENTER;
}

Qt::Alignment HorizontalAlignmentOf(std::int32_t textFlags)
{
    return (textFlags & DT_CENTER) ? Qt::AlignHCenter : (textFlags & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
}

OLE_COLOR BlendColors(OLE_COLOR a, OLE_COLOR b)
{
    const auto half = [](int x, int y) { return RoundHalfEven((x + y) / 2.0); };
    return RGB(half(RedOf(a), RedOf(b)), half(GreenOf(a), GreenOf(b)), half(BlueOf(a), BlueOf(b)));
}

OLE_COLOR GradientColor(OLE_COLOR c0, OLE_COLOR c1, int i, int n)
{
    const auto channel = [&](int from, int to) {
        // A zero-step band has no step; it stays at its start colour.
        const float step = n == 0 ? 0.0f : static_cast<float>(to - from) / static_cast<float>(n);
        return RoundHalfEven(from + static_cast<double>(step) * i);
    };
    return RGB(channel(RedOf(c0), RedOf(c1)), channel(GreenOf(c0), GreenOf(c1)), channel(BlueOf(c0), BlueOf(c1)));
}

int GripLeft(int width)
{
    return RoundHalfEven((width - 34) / 2.0);
}

FrameLayout LayoutFrame(const FrameFields& f, int W, int H, int tw, int th)
{
    constexpr int M = Margin, I = Inset, P = Pad;
    FrameLayout out;
    out.corner = f.RoundedCorner ? 10 : 0;
    out.bodyTop = f.hasCaption ? RoundHalfEven(th / 2.0) : 0;
    const int tbh = f.TextBoxHeight;
    const int bodySteps = RoundHalfEven(H - (tbh + 7) - 0.2 * H);

    switch (f.Style) {
    case 0:
        if (f.hasCaption) {
            const int x = f.Alignment == 0 ? I : f.Alignment == 1 ? RoundHalfEven(double(W) - tw - I - P) : RoundHalfEven((W - tw) / 2.0);
            out.captionGapLeft = x;
            out.CaptionRect = {x + P / 2, 0, x + tw + P / 2, th};
        }
        break;
    case 1:
        out.bodyTop = RoundHalfEven(tbh / 2.0);
        out.bodyGradientSteps = bodySteps;
        out.CaptionRect = {P, M + 1, W - P, tbh + 2};
        out.iconTop = RoundHalfEven((2 * M + tbh - f.IconSize) / 2.0);
        break;
    case 2:
        out.bodyTop = RoundHalfEven(tbh / 2.0);
        out.captionBoxCorner = f.RoundedCornerTxtBox ? tbh : 0;
        out.CaptionRect = {RoundHalfEven(I + 1.5 * P), 0, RoundHalfEven(W - I - 1.5 * P), tbh - 1};
        out.iconLeft = 2 * P + I;
        out.iconTop = RoundHalfEven((tbh - f.IconSize) / 2.0);
        break;
    case 3:
        out.bodyTop = RoundHalfEven(tbh / 2.0);
        out.captionBoxCorner = f.RoundedCornerTxtBox ? 10 : 0;
        out.CaptionRect = {P, 0, W - P, tbh - 1};
        out.iconTop = RoundHalfEven((tbh - f.IconSize) / 2.0);
        break;
    case 4:
        out.bodyTop = 0;
        out.bodyGradientSteps = bodySteps;
        out.CaptionRect = {P, 2 * M + 2, W - P, tbh + 6};
        out.iconTop = RoundHalfEven((tbh - f.IconSize) / 2.0 + 2 * M);
        break;
    default:
        break;
    }

    if (f.hasPicture && f.Style != 0) {
        const bool centred = f.Alignment != 0 && f.Alignment != 1;
        const int iconSpan = P + f.IconSize;
        if (f.IconAlignment == 0) {
            out.CaptionRect.left += iconSpan;
            if (centred)
                out.CaptionRect.right -= iconSpan;
            out.iconLeft = f.Style == 2 ? 2 * P + I : P;
        } else if (f.IconAlignment == 1) {
            out.CaptionRect.right -= iconSpan;
            if (centred)
                out.CaptionRect.left += iconSpan;
            out.iconLeft = f.Style == 2 ? W - 2 * P - f.IconSize - I : W - P - f.IconSize;
        }
        if (f.Style == 4)
            out.iconTop = std::max(out.iconTop, 2 * M + 2);
        else if (f.Style == 1)
            out.iconTop = std::max(out.iconTop, M + 2);
        else if (out.iconTop < 0)
            out.iconTop = RoundHalfEven(P / 2.0);
    }
    return out;
}

} // namespace FrameRules
