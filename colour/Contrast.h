#pragma once

#include "colour/OleColor.h"

#include <QString>

// WCAG 2.x contrast between two colours, and the grades it earns. Pure
// arithmetic on sRGB colours, no display.
namespace Contrast {

// Relative luminance 0..1 of a colour: each channel linearised from sRGB
// (c / 12.92 up to 0.04045, else ((c + 0.055) / 1.055)^2.4, c = value / 255),
// weighed 0.2126 red, 0.7152 green, 0.0722 blue.
double RelativeLuminance(OLE_COLOR c);
// Linear 0..1 value of one 8-bit sRGB channel.
double Linearise(int channel);
// (L1 + 0.05) / (L2 + 0.05), the lighter over the darker: 1 to 21.
double Ratio(OLE_COLOR foreground, OLE_COLOR background);

// The ratio with two decimals, truncated so that a pair is never shown as
// reaching a threshold it misses: "4.49:1", "21.00:1".
QString FormatRatio(double ratio);

struct Grades {
    bool aaNormal = false;  // >= 4.5
    bool aaLarge = false;   // >= 3: large text and user-interface parts
    bool aaaNormal = false; // >= 7
    bool aaaLarge = false;  // >= 4.5
};
Grades GradesOf(double ratio);
// The best grade reached: "AAA", "AA", "AA Large" or "Fail".
QString BestGrade(double ratio);
// Every grade with pass or fail, one per line: "AA normal text (4.5:1): pass".
QString GradeLines(double ratio);
// The ratio, then every grade, for a tool tip.
QString GradeTable(double ratio);

} // namespace Contrast
