#pragma once

#include "colour/OleColor.h"
#include "widgets/SurfaceDraw.h"

#include <Qt>
#include <cstdint>

// Colours and geometry of the themed frame: pure functions of its fields and
// size, so that painting only carries them out.
namespace FrameRules {

inline constexpr int Margin = 3; // M: Style 1 bands, caption-box offsets
inline constexpr int Inset = 15; // I: Style 0 caption offset, Style 2 box inset
inline constexpr int Pad = 6;    // P: text padding, icon offset, Style 0 gap

struct Theme {
    OLE_COLOR from, to, frame;
};
// Theme colours 0..4; 5 is the custom theme (the caller's own colours) and
// every other number draws with theme 1.
Theme ThemeFor(int themeColor, OLE_COLOR colorFrom, OLE_COLOR colorTo, OLE_COLOR frameColor);

// DrawTextEx format for an alignment: left 0x24, right 0x26, otherwise 0x25.
std::int32_t TextFlagsFor(int alignment);
// The horizontal alignment a DrawTextEx format asks for: centre, right or
// left, in that order of precedence.
Qt::Alignment HorizontalAlignmentOf(std::int32_t textFlags);

// Each channel halfway between a and b, rounded half to even.
OLE_COLOR BlendColors(OLE_COLOR a, OLE_COLOR b);

// Row i of an n-step vertical gradient from c0 (row 0) to c1 (row n), with
// a single-precision step per channel. n = 0 gives c0.
OLE_COLOR GradientColor(OLE_COLOR c0, OLE_COLOR c1, int i, int n);

// Left edge of the first of the nine grip dots in a band of width w.
int GripLeft(int width);

struct FrameFields {
    int Style = 1;
    bool hasCaption = false;
    int Alignment = 2;
    int TextBoxHeight = 22;
    bool RoundedCorner = true;
    bool RoundedCornerTxtBox = false;
    bool hasPicture = false;
    int IconSize = 16;
    int IconAlignment = 0;
};

struct FrameLayout {
    int bodyTop = 0;           // T: the body RoundRect's top
    int corner = 0;            // body corner ellipse size (0: square)
    int captionBoxCorner = 0;  // Styles 2 and 3
    int captionGapLeft = 0;    // Style 0: where the border is broken for the caption
    SurfaceDraw::Rect CaptionRect;   // where the caption text goes
    int bodyGradientSteps = 0; // Styles 1 and 4
    int iconLeft = 0, iconTop = 0;
};

// Everything DrawFrame places, for a surface of width x height and a caption
// measured as textWidth x textHeight in the surface font.
FrameLayout LayoutFrame(const FrameFields& f, int width, int height, int textWidth, int textHeight);

} // namespace FrameRules
