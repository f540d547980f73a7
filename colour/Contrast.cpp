#include "colour/Contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

double Linearise(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(OLE_COLOR c)
{
    return 0.2126 * Linearise(RedOf(c)) + 0.7152 * Linearise(GreenOf(c)) + 0.0722 * Linearise(BlueOf(c));
}

double Ratio(OLE_COLOR foreground, OLE_COLOR background)
{
    const double a = RelativeLuminance(foreground), b = RelativeLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString FormatRatio(double ratio)
{
    // Hundredths counted down, never up; the small allowance keeps a ratio
    // that is exactly on a hundredth (21, 1) from dropping below it.
    const long hundredths = static_cast<long>(std::floor(ratio * 100.0 + 1e-9));
    return QStringLiteral("%1.%2:1").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

Grades GradesOf(double ratio)
{
    return {ratio >= 4.5, ratio >= 3.0, ratio >= 7.0, ratio >= 4.5};
}

QString BestGrade(double ratio)
{
    const Grades g = GradesOf(ratio);
    return g.aaaNormal ? QStringLiteral("AAA") : g.aaNormal ? QStringLiteral("AA") : g.aaLarge ? QStringLiteral("AA Large") : QStringLiteral("Fail");
}

QString GradeLines(double ratio)
{
    const Grades g = GradesOf(ratio);
    const auto line = [](const char* name, bool pass) {
        return QLatin1String(name) + (pass ? QStringLiteral(": pass") : QStringLiteral(": fail"));
    };
    return line("AA normal text (4.5:1)", g.aaNormal) + QLatin1Char('\n') + line("AA large text and UI components (3:1)", g.aaLarge)
        + QLatin1Char('\n') + line("AAA normal text (7:1)", g.aaaNormal) + QLatin1Char('\n') + line("AAA large text (4.5:1)", g.aaaLarge);
}

QString GradeTable(double ratio)
{
    return QStringLiteral("Contrast %1\n").arg(FormatRatio(ratio)) + GradeLines(ratio);
}

} // namespace Contrast
