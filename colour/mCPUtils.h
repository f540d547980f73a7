#pragma once

#include "colour/OleColor.h"

#include <QString>
#include <cstdint>

// Colour maths and text forms of the picker. Pure functions, no display.
namespace mCPUtils {

// Nearest whole number, an exact half going to the even neighbour.
// x must lie within the range of int.
inline int RoundHalfEven(double x)
{
    // Adding 1.5 * 2^52 leaves no bits for the fraction, so the FPU's default
    // rounding (to nearest, ties to even) drops it; kept inline because every
    // palette pixel rounds three times and a libm call per channel is slow.
    constexpr double shift = 6755399441055744.0;
    return static_cast<int>((x + shift) - shift);
}

// Hue in sextants (0 red .. 5 magenta; -1 < h < 0 lies between magenta and
// red), saturation and lightness 0..1 to red, green, blue 0..255. Computed in
// double precision with m, M and the three unit components stored as float,
// rounded half to even at the end. Inputs outside those ranges are not
// clamped and may give components outside 0..255.
void HslToRgb(float h, float s, float l, std::int32_t& red, std::int32_t& green, std::int32_t& blue);
// The darkest and the lightest channel of saturation s and lightness l, as
// HslToRgb has them (stored as floats); whatever the hue, the colour lies
// between the two. With s = 0 both are l.
struct HslExtremes {
    float m, M;
};
HslExtremes ExtremesOf(float s, float l);

// Hue number 0..240 with the top of the scale folded below zero:
// n for n <= 200, n - 240 otherwise.
std::int32_t WrapHue(std::int32_t n);
// Hue number of a hue-bar row 0..100 (a pointer may give fractions):
// round(2.4 * row).
std::int32_t HueNumberOfRow(double row);
// Sextant hue of a hue number: WrapHue(n) / 40, stored as float.
float HueOfNumber(std::int32_t n);
// The hue-bar mapping both ways, used by its drawing, its mouse and its
// keys: the hue a row shows, and the row (fractional) that shows hue h,
// negative hues wrapping by 6. RowOfHue(HueOfRow(r)) rounds back to r.
float HueOfRow(double row);
double RowOfHue(float h);

// "&H" and v in upper-case hexadecimal, no leading zeros ("&H0" for black).
QString ToHexText(OLE_COLOR v);
// "#RRGGBB" from the three low bytes of v.
QString ToHtmlText(OLE_COLOR v);
// "#RRGGBB" back to the decimal of 0x00BBGGRR. Text that does not parse
// gives the empty text; nothing is thrown.
QString HtmlToLongText(const QString& html);
// The value of one hexadecimal digit in either case, or -1.
int HexDigit(QChar c);
// The LONG read-out of v: its decimal, by way of the HTML form.
QString ToLongText(OLE_COLOR v);

} // namespace mCPUtils
