#pragma once

#include "colour/OleColor.h"
#include "widgets/Twips.h"

#include <QPixmap>
#include <QRect>

// Where the picker's parts lie and what they start with.
namespace PickerDesign {

// Design of the control, in twips.
inline constexpr int ControlWidth = 3210;
inline constexpr int ControlHeight = 3330;
inline constexpr QRect PalRect = TwipsRect(120, 150, 1545, 1545);
inline constexpr QRect HueRect = TwipsRect(1785, 150, 285, 1545);
inline constexpr QSize HuePosSize(Px(45), Px(75));
inline constexpr QRect StandardColorsRect = TwipsRect(120, 1755, 1950, 330);
inline constexpr QRect SliderRect = TwipsRect(105, 2085, 1980, 1200);
inline constexpr QRect CurColorRect = TwipsRect(2145, 150, 975, 825);
inline constexpr QRect InfoLabelRects[3] = {TwipsRect(2145, 1500, 555, 210), TwipsRect(2145, 1005, 390, 180),
                                            TwipsRect(2145, 2010, 510, 210)};
inline constexpr const char* InfoCaptions[3] = {"LONG:", "HEX:", "HTML:"};
inline constexpr QRect InfoBoxRects[3] = {TwipsRect(2145, 1215, 990, 240), TwipsRect(2145, 1725, 990, 240),
                                          TwipsRect(2145, 2235, 990, 240)};
inline constexpr QRect CopyRects[3] = {TwipsRect(2700, 1005, 390, 180), TwipsRect(2700, 1500, 390, 180),
                                       TwipsRect(2700, 2025, 390, 180)};
inline constexpr int FavoriteLefts[4] = {2145, 2400, 2655, 2910};
inline constexpr int FavoriteTops[3] = {2520, 2775, 3030};
inline constexpr int FavoriteSide = 225;
inline constexpr QRect SelectRect = TwipsRect(2130, 2490, 255, 270);
inline constexpr QRect CopySelectRect = TwipsRect(2670, 2010, 465, 225);

inline constexpr int HueBarColumns = 17;
inline constexpr OLE_COLOR InitialColor = 0x00808080;

// The hue bar's marker: a solid black triangle pointing right.
QPixmap HueMarker();

} // namespace PickerDesign
