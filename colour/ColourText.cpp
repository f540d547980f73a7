#include "colour/ColourText.h"

#include "colour/ColourForms.h"
#include "colour/mCPUtils.h"

#include <QList>

namespace ColourText {

namespace {

// The value of 1..max hex digits, or -1.
long hexValue(QStringView digits, int max)
{
    if (digits.isEmpty() || digits.size() > max)
        return -1;
    long v = 0;
    for (const QChar c : digits) {
        const int d = mCPUtils::HexDigit(c);
        if (d < 0)
            return -1;
        v = v * 16 + d;
    }
    return v;
}

// The value of 1..8 decimal digits, or -1.
long decimalValue(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return -1;
    long v = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

std::optional<OLE_COLOR> fromRrggbb(QStringView six)
{
    const long v = six.size() == 6 ? hexValue(six, 6) : -1;
    if (v < 0)
        return std::nullopt;
    return RGB(int(v >> 16), int((v >> 8) & 255), int(v & 255));
}

} // namespace

std::optional<OLE_COLOR> Parse(const QString& text, Prefer prefer)
{
    const QStringView t = QStringView(text).trimmed();
    if (t.startsWith(QLatin1Char('#'))) {
        QStringView digits = t.mid(1);
        // An alpha digit or pair other than F or FF is a transparency the
        // program cannot show: refused rather than dropped.
        if (digits.size() == 4 || digits.size() == 8) {
            if (hexValue(digits.right(digits.size() / 4), 2) != (digits.size() == 4 ? 0xF : 0xFF))
                return std::nullopt;
            digits.chop(digits.size() / 4);
        }
        if (digits.size() == 3) {
            const long v = hexValue(digits, 3);
            if (v < 0)
                return std::nullopt;
            const int r = int(v >> 8), g = int((v >> 4) & 15), b = int(v & 15);
            return RGB(r * 17, g * 17, b * 17);
        }
        return fromRrggbb(digits);
    }
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return fromRrggbb(t.mid(2));
    if (t.startsWith(QLatin1String("&h"), Qt::CaseInsensitive)) {
        QStringView digits = t.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        const long v = hexValue(digits, 6);
        return v < 0 ? std::nullopt : std::optional<OLE_COLOR>(OLE_COLOR(v));
    }
    if (const auto other = ColourForms::Parse(t))
        return other;
    const long decimal = decimalValue(t);
    if (prefer == Prefer::Html || decimal < 0)
        if (const auto six = fromRrggbb(t))
            return six;
    if (decimal >= 0 && decimal <= 0xFFFFFF)
        return OLE_COLOR(decimal);
    return std::nullopt;
}

QString AcceptedForms()
{
    return QStringLiteral("Not a colour. Type one of: #RGB, #RRGGBB, RRGGBB, 0xRRGGBB, &HBBGGRR, a number 0 to 16777215, "
                          "a CSS colour (rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch() or a name such as tomato), "
                          "hsv(), cmyk() or three numbers 0 to 1.");
}

} // namespace ColourText
