#pragma once

#include "colour/OleColor.h"

#include <QString>

// How a colour looks to people with a colour-vision deficiency: Machado,
// Oliveira and Fernandes (2009) at severity 1.0 for the three dichromacies,
// applied to linear RGB, and the luminance grey for achromatopsia.
namespace VisionSimulation {

enum Kind { Normal = 0, Protanopia, Deuteranopia, Tritanopia, Achromatopsia, KindCount };

QString Name(Kind kind);
// The colour as simulated: linearised, transformed, clamped to 0..1 and
// encoded back to 8-bit sRGB (rounded). Normal gives the colour itself.
OLE_COLOR Simulate(OLE_COLOR c, Kind kind);
// 8-bit sRGB of a linear 0..1 value, rounded to the nearest.
int Encode(double linear);

} // namespace VisionSimulation
