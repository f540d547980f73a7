#include "colour/CssSyntax.h"

#include <cmath>

namespace CssSyntax {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of the CSS number at the start of t ("-1.5e3", ".5", "+2"), or 0.
qsizetype numberLength(QStringView t)
{
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    bool digits = i > digitsFrom;
    if (i + 1 < t.size() && t[i] == QLatin1Char('.') && isDigit(t[i + 1])) {
        i += 2;
        while (i < t.size() && isDigit(t[i]))
            ++i;
        digits = true;
    }
    if (!digits)
        return 0;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == QLatin1Char('+') || t[j] == QLatin1Char('-')))
            ++j;
        if (j < t.size() && isDigit(t[j])) {
            while (j < t.size() && isDigit(t[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::optional<Component> component(QStringView t)
{
    if (t.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return Component{Component::None, 0};
    const qsizetype n = numberLength(t);
    if (n == 0)
        return std::nullopt;
    bool ok = false;
    const double v = t.left(n).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    const QStringView unit = t.mid(n);
    if (unit.isEmpty())
        return Component{Component::Number, v};
    if (unit == QLatin1String("%"))
        return Component{Component::Percent, v};
    static const std::pair<const char*, double> degreesPer[] = {{"deg", 1.0}, {"rad", 180.0 / M_PI}, {"grad", 0.9}, {"turn", 360.0}};
    for (const auto& [name, factor] : degreesPer)
        if (unit.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return Component{Component::Angle, v * factor};
    return std::nullopt;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Splits at commas, or else at blanks; trims each part. Empty parts between
// commas are kept (and refused by the caller).
QList<QStringView> split(QStringView t, bool& commas)
{
    commas = t.contains(QLatin1Char(','));
    QList<QStringView> parts;
    if (commas) {
        for (QStringView part : t.split(QLatin1Char(',')))
            parts.append(part.trimmed());
        return parts;
    }
    qsizetype i = 0;
    while (i < t.size()) {
        while (i < t.size() && isBlank(t[i]))
            ++i;
        const qsizetype from = i;
        while (i < t.size() && !isBlank(t[i]))
            ++i;
        if (i > from)
            parts.append(t.mid(from, i - from));
    }
    return parts;
}

} // namespace

std::optional<Function> ParseFunction(QStringView text)
{
    const QStringView t = text.trimmed();
    const qsizetype open = t.indexOf(QLatin1Char('('));
    if (open <= 0 || !t.endsWith(QLatin1Char(')')))
        return std::nullopt;
    Function f;
    f.name = t.left(open).trimmed().toString().toLower();
    if (!f.name.front().isLetter())
        return std::nullopt;
    for (const QChar c : f.name)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('-')))
            return std::nullopt;
    QStringView inside = t.mid(open + 1, t.size() - open - 2);
    if (inside.contains(QLatin1Char('(')) || inside.contains(QLatin1Char(')')))
        return std::nullopt;
    QStringView alphaText;
    const qsizetype slash = inside.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        alphaText = inside.mid(slash + 1).trimmed();
        inside = inside.left(slash);
        if (alphaText.isEmpty() || alphaText.contains(QLatin1Char('/')))
            return std::nullopt;
    }
    const QList<QStringView> parts = split(inside, f.commas);
    if (f.commas && slash >= 0)
        return std::nullopt; // the slash belongs to the modern syntax alone
    for (QStringView part : parts) {
        const auto c = component(part);
        if (!c)
            return std::nullopt;
        f.components.append(*c);
    }
    if (slash >= 0) {
        const auto a = component(alphaText);
        if (!a)
            return std::nullopt;
        f.alpha = a;
    }
    return f;
}

std::optional<QList<double>> ParseNumberList(QStringView text)
{
    bool commas = false;
    const QList<QStringView> parts = split(text.trimmed(), commas);
    if (parts.size() < 3 || parts.size() > 4)
        return std::nullopt;
    QList<double> out;
    for (QStringView part : parts) {
        const auto c = component(part);
        if (!c || c->kind != Component::Number)
            return std::nullopt;
        out.append(c->value);
    }
    return out;
}

} // namespace CssSyntax
