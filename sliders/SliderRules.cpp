#include "sliders/SliderRules.h"

#include "colour/mCPUtils.h"

namespace SliderRules {

Channels ChannelsOf(std::int32_t c)
{
    return {c % 256, (c / 256) % 256, (c / 65536) % 256};
}

int WebSafeLevel(int v)
{
    if (v < 0 || v > 255)
        return 0;
    if (v <= 25)
        return 0;
    if (v <= 76)
        return 51;
    if (v <= 127)
        return 102;
    if (v <= 178)
        return 153;
    if (v <= 229)
        return 204;
    return 255;
}

int GreyLevel(int r, int g, int b)
{
    if (r == 255 && g == 255 && b == 255)
        return 255;
    const int s = (3 * r + 4) / 10 + (59 * g + 49) / 100 + (11 * b + 50) / 100;
    switch (s) {
    case 54: return 51;
    case 103: return 102;
    case 205: return 204;
    default: return s;
    }
}

QString HtmlOfChannels(int r, int g, int b)
{
    const auto hex2 = [](int v) {
        return QString::number(static_cast<std::uint16_t>(v), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return QLatin1Char('#') + hex2(r) + hex2(g) + hex2(b);
}

int LeadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9')
            break;
        value = std::min<long long>(value * 10 + (u - '0'), 1'000'000'000);
    }
    return static_cast<int>(negative ? -value : value);
}

bool IsPlainDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

int GradientComponent(int s, int e, int i, int n)
{
    return mCPUtils::RoundHalfEven(s + static_cast<double>(e - s) * i / n);
}

int WebSafeSnap(double p)
{
    if (p <= 10)
        return 0;
    if (p <= 30)
        return 20;
    if (p <= 50)
        return 40;
    if (p <= 70)
        return 61;
    if (p <= 90)
        return 81;
    return 101;
}

bool IsAcceptedKeyText(const QString& text)
{
    for (const QChar c : text)
        if (c.isPrint() && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    return true;
}

int ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Down:
        return -1;
    case Qt::Key_PageUp:
        return 16;
    case Qt::Key_PageDown:
        return -16;
    default:
        return 0;
    }
}

} // namespace SliderRules
