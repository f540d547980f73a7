#include "colour/mCPUtils.h"

#include <cmath>

namespace mCPUtils {

HslExtremes ExtremesOf(float s, float l)
{
    const double dl = l, ds = s;
    const float m = static_cast<float>(dl > 0.5 ? dl - (1.0 - dl) * ds : (1.0 - ds) * dl);
    return {m, static_cast<float>(dl + dl - m)};
}

void HslToRgb(float h, float s, float l, std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
    float r1, g1, b1;
    if (s == 0.0f) {
        r1 = g1 = b1 = l;
    } else {
        const double dh = h;
        const auto [m, M] = ExtremesOf(s, l);
        const double d = static_cast<double>(M) - m;
        if (dh < 1) {
            r1 = M;
            if (dh < 0) {
                g1 = m;
                b1 = static_cast<float>(m - d * dh);
            } else {
                b1 = m;
                g1 = static_cast<float>(d * dh + m);
            }
        } else if (dh < 3) {
            g1 = M;
            if (dh < 2) {
                b1 = m;
                r1 = static_cast<float>(m - d * (dh - 2));
            } else {
                r1 = m;
                b1 = static_cast<float>(d * (dh - 2) + m);
            }
        } else {
            b1 = M;
            if (dh < 4) {
                r1 = m;
                g1 = static_cast<float>(m - d * (dh - 4));
            } else {
                g1 = m;
                r1 = static_cast<float>(d * (dh - 4) + m);
            }
        }
    }
    red = RoundHalfEven(static_cast<double>(r1) * 255);
    green = RoundHalfEven(static_cast<double>(g1) * 255);
    blue = RoundHalfEven(static_cast<double>(b1) * 255);
}

std::int32_t WrapHue(std::int32_t n)
{
    return n <= 200 ? n : n - 240;
}

std::int32_t HueNumberOfRow(double row)
{
    return RoundHalfEven(2.4 * row);
}

float HueOfRow(double row)
{
    return HueOfNumber(HueNumberOfRow(row));
}

float HueOfNumber(std::int32_t n)
{
    return static_cast<float>(WrapHue(n) / 40.0);
}

double RowOfHue(float h)
{
    if (h < 0)
        h = h + 6.0f;
    return 40.0 * h / 2.4;
}

QString ToHexText(OLE_COLOR v)
{
    return QStringLiteral("&H") + QString::number(static_cast<std::uint32_t>(v), 16).toUpper();
}

QString ToHtmlText(OLE_COLOR v)
{
    const QString x = (QStringLiteral("00000") + QString::number(static_cast<std::uint32_t>(v), 16).toUpper()).right(6);
    return QLatin1Char('#') + x.mid(4, 2) + x.mid(2, 2) + x.mid(0, 2);
}

QString HtmlToLongText(const QString& html)
{
    QString x = (QStringLiteral("00000") + html).right(6);
    x.remove(QLatin1Char('#'));
    const QString digits = x.right(2) + x.mid(2, 2) + x.left(2);
    if (digits.isEmpty())
        return QString();
    std::uint32_t value = 0;
    for (const QChar c : digits) {
        const int nibble = HexDigit(c);
        if (nibble < 0)
            return QString();
        value = value * 16 + static_cast<std::uint32_t>(nibble);
    }
    return QString::number(value);
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

QString ToLongText(OLE_COLOR v)
{
    return HtmlToLongText(ToHtmlText(v).trimmed());
}

} // namespace mCPUtils
