#pragma once

#include "colour/OleColor.h"
#include "widgets/PropertyBag.h"
#include "widgets/Twips.h"

#include <QRect>

// The main window as designed: where each control sits (in twips, converted
// once) and the property values of its two frames.
namespace MainDesign {

inline constexpr OLE_COLOR WindowBackColor = 0x00C0C0C0;
inline constexpr QSize ClientSize(Px(8040), Px(7110));
inline constexpr QRect BannerRect = TwipsRect(480, 525, 7020, 900);
inline constexpr QRect LogoRect = TwipsRect(375, 1065, 3960, 375);
inline constexpr int ButtonLefts[3] = {6690, 7080, 7470};
inline constexpr int ButtonTop = 90, ButtonSide = 315;
inline constexpr const char* ButtonKinds[3] = {"menu", "minimise", "close"};
inline constexpr QRect FrameRects[2] = {TwipsRect(255, 1590, 3675, 4500), TwipsRect(4080, 1590, 3675, 4500)};
inline constexpr QPoint PickerPos(Px(255), Px(630));
inline constexpr QRect ScreenButtonRect = TwipsRect(255, 4050, 1215, 315);
inline constexpr QRect SampleRects[5] = {TwipsRect(2370, 6225, 3330, 750), TwipsRect(5790, 6225, 1125, 765),
                                  TwipsRect(5985, 5250, 810, 525), TwipsRect(1140, 6225, 1125, 765),
                                  TwipsRect(1335, 5265, 810, 525)};
inline constexpr QRect ColorCursorRect = TwipsRect(270, 5655, 420, 645);

// The frames as designed: a loaded frame's defaults with these values.
PropertyBag FrameDesign(bool foreground, OLE_COLOR windowBack);

} // namespace MainDesign
