#pragma once

#include <QCursor>
#include <QImage>

// The four 198 x 15 ramp pictures of the ramp-style strip, drawn in code:
// 0 spectrum, 1 greyscale, 2 spectrum in web-safe colours, 3 web-safe greys.
namespace RampPictures {

inline constexpr int Width = 198;
inline constexpr int Height = 15;
inline constexpr int RampColumns = 190; // columns 190..197 are the swatch end
inline constexpr int SwatchBottom = 6;  // rows 0..6 of the swatch end are white

// Whitens the swatch end of a ramp picture drawn on surface.
void ClearSwatch(QImage& surface);

const QImage& RampPicture(int index);
// The 32 x 32 pointer shown over the strip.
QCursor RampCursor();

} // namespace RampPictures
