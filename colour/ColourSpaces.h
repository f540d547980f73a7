#pragma once

#include "colour/OleColor.h"

#include <array>

// The colour spaces of CSS Color 4 and of design tools, in double precision,
// from the published formulas: sRGB and its linear light, CIE Lab and LCH
// (D50, adapted from D65 by Bradford, as CSS does), Björn Ottosson's OKLab
// and OKLCH, HSL, HWB, HSV and naive device CMYK. Pure functions, no display.
namespace ColourSpaces {

// Three components in one space. sRGB components run 0..1 inside the gamut;
// conversions into sRGB may give values outside it, which ToColour maps in.
using Triple = std::array<double, 3>;

// sRGB 0..1 of the three bytes of a colour.
Triple RgbOf(OLE_COLOR c);
// sRGB 0..1 to a colour: components within a hair of the gamut are clipped,
// a colour further out is brought in as CSS Color 4 gamut-maps it (chroma
// reduced in OKLCH until the clipped colour is within a just noticeable
// difference), then each channel is rounded to the nearest of 0..255.
OLE_COLOR ToColour(const Triple& rgb);
// True when every component lies within 0..1 (give or take rounding).
bool InGamut(const Triple& rgb);

// Linear-light XYZ, D65, from sRGB and back.
Triple XyzOfRgb(const Triple& rgb);
Triple RgbOfXyz(const Triple& xyz);

// CIE Lab (L 0..100) and LCH (hue in degrees), D50.
Triple LabOfRgb(const Triple& rgb);
Triple RgbOfLab(const Triple& lab);
// OKLab (L 0..1).
Triple OklabOfRgb(const Triple& rgb);
Triple RgbOfOklab(const Triple& oklab);
// The polar form of a Lab-like triple: (L, chroma, hue in degrees 0..360),
// and back. A chroma of zero gives hue 0.
Triple PolarOf(const Triple& lab);
Triple CartesianOf(const Triple& lch);

// HSL, HWB and HSV, hue in degrees, the others 0..1.
Triple HslOfRgb(const Triple& rgb);
Triple RgbOfHsl(const Triple& hsl);
Triple HwbOfRgb(const Triple& rgb);
Triple RgbOfHwb(const Triple& hwb);
Triple HsvOfRgb(const Triple& rgb);
Triple RgbOfHsv(const Triple& hsv);

// Naive device CMYK, 0..1 each: K = 1 - max(r, g, b), not colour-managed.
std::array<double, 4> CmykOfRgb(const Triple& rgb);
Triple RgbOfCmyk(const std::array<double, 4>& cmyk);

// Distance in OKLab, as CSS Color 4 measures it.
double DeltaEOk(const Triple& oklabA, const Triple& oklabB);

} // namespace ColourSpaces
