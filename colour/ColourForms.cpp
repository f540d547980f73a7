#include "colour/ColourForms.h"

#include "colour/ColourSpaces.h"
#include "colour/CssNames.h"
#include "colour/CssSyntax.h"
#include "colour/mCPUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ColourForms {

namespace {

using ColourSpaces::Triple;
using Values = std::array<double, 4>;
using CssSyntax::Component;

// What one component of a function means, and so how CSS reads it: the
// value kept is in the unit the form prints.
enum class Role {
    Channel,  // 0..255; 100% = 255
    Hue,      // degrees, a number or an angle
    Percent,  // 0..100, a number or a percentage alike
    Fraction, // 0..100; a number is a fraction of 1
    Unit,     // 0..1, a number only, nothing outside
    LabL,     // 0..100; 100% = 100
    LabAB,    // 100% = 125
    LchC,     // 100% = 150
    OkL,      // kept as a percentage; a number is a fraction of 1
    OkAB,     // 100% = 0.4
    OkC,      // 100% = 0.4
};

// A form printed as numbers: how it is written, which function names read
// it, what its numbers are for a colour, and what colour numbers give.
struct Numeric {
    const char* id;
    const char* label;
    QList<const char*> names; // functions that read it; the first prints it
    const char* separator;
    int count;
    std::array<Role, 4> roles;
    int hue; // the index of the hue, or -1
    Values (*values)(const Triple& rgb);
    Triple (*rgbOf)(const Values& v);
};

Values three(const Triple& t, double scale0, double scale1, double scale2)
{
    return {t[0] * scale0, t[1] * scale1, t[2] * scale2, 0};
}

const QList<Numeric>& numerics()
{
    using namespace ColourSpaces;
    using R = Role;
    static const QList<Numeric> forms{
        {"rgb", "RGB", {"rgb", "rgba"}, " ", 3, {R::Channel, R::Channel, R::Channel}, -1,
         [](const Triple& c) { return three(c, 255, 255, 255); },
         [](const Values& v) { return Triple{v[0] / 255, v[1] / 255, v[2] / 255}; }},
        {"hsl", "HSL", {"hsl", "hsla"}, " ", 3, {R::Hue, R::Percent, R::Percent}, 0,
         [](const Triple& c) { return three(HslOfRgb(c), 1, 100, 100); },
         [](const Values& v) { return RgbOfHsl({v[0], v[1] / 100, v[2] / 100}); }},
        {"hwb", "HWB", {"hwb"}, " ", 3, {R::Hue, R::Percent, R::Percent}, 0,
         [](const Triple& c) { return three(HwbOfRgb(c), 1, 100, 100); },
         [](const Values& v) { return RgbOfHwb({v[0], v[1] / 100, v[2] / 100}); }},
        {"lab", "LAB", {"lab"}, " ", 3, {R::LabL, R::LabAB, R::LabAB}, -1,
         [](const Triple& c) { return three(LabOfRgb(c), 1, 1, 1); },
         [](const Values& v) { return RgbOfLab({v[0], v[1], v[2]}); }},
        {"lch", "LCH", {"lch"}, " ", 3, {R::LabL, R::LchC, R::Hue}, 2,
         [](const Triple& c) { return three(PolarOf(LabOfRgb(c)), 1, 1, 1); },
         [](const Values& v) { return RgbOfLab(CartesianOf({v[0], v[1], v[2]})); }},
        {"oklab", "OKLAB", {"oklab"}, " ", 3, {R::OkL, R::OkAB, R::OkAB}, -1,
         [](const Triple& c) { return three(OklabOfRgb(c), 100, 1, 1); },
         [](const Values& v) { return RgbOfOklab({v[0] / 100, v[1], v[2]}); }},
        {"oklch", "OKLCH", {"oklch"}, " ", 3, {R::OkL, R::OkC, R::Hue}, 2,
         [](const Triple& c) { return three(PolarOf(OklabOfRgb(c)), 100, 1, 1); },
         [](const Values& v) { return RgbOfOklab(CartesianOf({v[0] / 100, v[1], v[2]})); }},
        {"hsv", "HSV", {"hsv", "hsb"}, ", ", 3, {R::Hue, R::Percent, R::Percent}, 0,
         [](const Triple& c) { return three(HsvOfRgb(c), 1, 100, 100); },
         [](const Values& v) { return RgbOfHsv({v[0], v[1] / 100, v[2] / 100}); }},
        {"cmyk", "CMYK", {"cmyk", "device-cmyk"}, ", ", 4, {R::Fraction, R::Fraction, R::Fraction, R::Fraction}, -1,
         [](const Triple& c) {
             const auto k = CmykOfRgb(c);
             return Values{k[0] * 100, k[1] * 100, k[2] * 100, k[3] * 100};
         },
         [](const Values& v) { return RgbOfCmyk({v[0] / 100, v[1] / 100, v[2] / 100, v[3] / 100}); }},
        {"float", "Float", {"vec3"}, ", ", 3, {R::Unit, R::Unit, R::Unit}, -1,
         [](const Triple& c) { return three(c, 1, 1, 1); }, [](const Values& v) { return Triple{v[0], v[1], v[2]}; }},
    };
    return forms;
}

bool isPercentUnit(Role r)
{
    return r == Role::Percent || r == Role::Fraction || r == Role::OkL;
}

// The value the shortest text of v with the given decimals stands for, and
// that text.
double written(double v, int decimals, QString* text = nullptr)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals).ptr;
    double back = 0;
    std::from_chars(buffer, end, back);
    if (text) {
        QString t = QString::fromLatin1(buffer, end - buffer);
        if (t.contains(QLatin1Char('.'))) {
            while (t.endsWith(QLatin1Char('0')))
                t.chop(1);
            if (t.endsWith(QLatin1Char('.')))
                t.chop(1);
        }
        *text = t == QLatin1String("-0") ? QStringLiteral("0") : t;
    }
    return back;
}

OLE_COLOR colourOf(const Numeric& f, const Values& v)
{
    return ColourSpaces::ToColour(f.rgbOf(v));
}

// What the numbers stand for, as long as it lies in sRGB: each channel
// within half a step of 0..255, so that no gamut mapping is needed to read
// it back (a wide-gamut display would show a text that needs it as another
// colour); -1 otherwise.
OLE_COLOR plainColourOf(const Numeric& f, const Values& v)
{
    const Triple rgb = f.rgbOf(v);
    for (double c : rgb)
        if (!(c >= -0.5 / 255 && c <= 1 + 0.5 / 255))
            return -1;
    return ColourSpaces::ToColour(rgb);
}

QString format(const Numeric& f, OLE_COLOR c)
{
    constexpr int MostDecimals = 8;
    const Values exact = f.values(ColourSpaces::RgbOf(c));
    Values v{};
    std::array<int, 4> decimals{};
    const auto writtenWith = [&](const std::array<int, 4>& d) {
        for (int i = 0; i < f.count; ++i)
            v[std::size_t(i)] = written(exact[std::size_t(i)], d[std::size_t(i)]);
        return plainColourOf(f, v) == c;
    };
    // The fewest decimals that serve every number, then fewer for each
    // number on its own where the colour allows.
    int common = 0;
    while (common < MostDecimals && !writtenWith({common, common, common, common}))
        ++common;
    decimals = {common, common, common, common};
    for (int i = 0; i < f.count; ++i)
        for (int d = 0; d < common; ++d) {
            std::array<int, 4> fewer = decimals;
            fewer[std::size_t(i)] = d;
            if (writtenWith(fewer)) {
                decimals = fewer;
                break;
            }
        }
    writtenWith(decimals);
    Values shown = exact;
    if (f.hue >= 0) { // a hue that does not matter (a grey) is 0
        Values noHue = v;
        noHue[std::size_t(f.hue)] = 0;
        if (plainColourOf(f, noHue) == c)
            shown[std::size_t(f.hue)] = 0, decimals[std::size_t(f.hue)] = 0;
    }
    QStringList parts;
    for (int i = 0; i < f.count; ++i) {
        QString text;
        written(shown[std::size_t(i)], decimals[std::size_t(i)], &text);
        parts.append(text + (isPercentUnit(f.roles[std::size_t(i)]) ? QStringLiteral("%") : QString()));
    }
    const QString body = parts.join(QLatin1String(f.separator));
    if (QLatin1String(f.id) == QLatin1String("float"))
        return body;
    return QLatin1String(f.names.first()) + QLatin1Char('(') + body + QLatin1Char(')');
}

std::optional<double> valueOf(const Component& c, Role r)
{
    if (c.kind == Component::None)
        return r == Role::Unit ? std::nullopt : std::optional<double>(0);
    const bool number = c.kind == Component::Number, percent = c.kind == Component::Percent;
    if (c.kind == Component::Angle && r != Role::Hue)
        return std::nullopt;
    const double v = c.value;
    switch (r) {
    case Role::Channel: return std::clamp(number ? v : v * 255 / 100, 0.0, 255.0);
    case Role::Hue: return percent ? std::nullopt : std::optional<double>(v);
    case Role::Percent: return std::clamp(v, 0.0, 100.0);
    case Role::Fraction: return std::clamp(number ? v * 100 : v, 0.0, 100.0);
    case Role::Unit: return number && v >= 0 && v <= 1 ? std::optional<double>(v) : std::nullopt;
    case Role::LabL: return std::clamp(v, 0.0, 100.0);
    case Role::LabAB: return number ? v : v * 1.25;
    case Role::LchC: return std::max(0.0, number ? v : v * 1.5);
    case Role::OkL: return std::clamp(number ? v * 100 : v, 0.0, 100.0);
    case Role::OkAB: return number ? v : v * 0.004;
    case Role::OkC: return std::max(0.0, number ? v : v * 0.004);
    }
    return std::nullopt;
}

// An alpha of 1 (or more, which CSS clamps to 1) is an opaque colour.
bool opaque(const Component& alpha)
{
    return alpha.kind == Component::Number ? alpha.value >= 1 : alpha.kind == Component::Percent && alpha.value >= 100;
}

std::optional<OLE_COLOR> read(const Numeric& f, CssSyntax::Function fn)
{
    if (fn.commas && fn.components.size() == f.count + 1)
        fn.alpha = fn.components.takeLast();
    if (fn.components.size() != f.count || (fn.alpha && !opaque(*fn.alpha)))
        return std::nullopt;
    Values v{};
    for (int i = 0; i < f.count; ++i) {
        const auto value = valueOf(fn.components[i], f.roles[std::size_t(i)]);
        if (!value)
            return std::nullopt;
        v[std::size_t(i)] = *value;
    }
    return colourOf(f, v);
}

const Numeric& floatForm()
{
    return numerics()[numerics().size() - 1];
}

} // namespace

const QList<Form>& All()
{
    static const QList<Form> forms = [] {
        QList<Form> out{{QStringLiteral("hex"), QStringLiteral("HEX")},
                        {QStringLiteral("long"), QStringLiteral("LONG")},
                        {QStringLiteral("html"), QStringLiteral("HTML")}};
        for (const Numeric& f : numerics())
            out.append({QLatin1String(f.id), QLatin1String(f.label)});
        out.append({QStringLiteral("name"), QStringLiteral("Name")});
        return out;
    }();
    return forms;
}

bool Known(QStringView id)
{
    return std::any_of(All().begin(), All().end(), [&](const Form& f) { return f.id == id; });
}

QString Ids()
{
    QStringList ids;
    for (const Form& f : All())
        ids.append(f.id);
    return ids.join(QLatin1String(", "));
}

QString Format(QStringView id, OLE_COLOR c)
{
    c = LowRgbOf(c);
    if (id == QLatin1String("hex"))
        return mCPUtils::ToHexText(c);
    if (id == QLatin1String("long"))
        return mCPUtils::ToLongText(c);
    if (id == QLatin1String("html"))
        return mCPUtils::ToHtmlText(c);
    if (id == QLatin1String("name")) {
        const QString exact = CssNames::NameOf(c);
        return exact.isEmpty() ? QLatin1Char('~') + CssNames::NearestName(c) : exact;
    }
    for (const Numeric& f : numerics())
        if (id == QLatin1String(f.id))
            return format(f, c);
    return QString();
}

std::optional<OLE_COLOR> Parse(QStringView text)
{
    const QStringView t = text.trimmed();
    if (const auto named = CssNames::ColourOf(t))
        return named;
    if (const auto fn = CssSyntax::ParseFunction(t)) {
        for (const Numeric& f : numerics())
            for (const char* name : f.names)
                if (fn->name == QLatin1String(name))
                    return read(f, *fn);
        return std::nullopt;
    }
    if (const auto numbers = CssSyntax::ParseNumberList(t)) {
        CssSyntax::Function fn;
        fn.commas = true;
        for (double v : *numbers)
            fn.components.append({Component::Number, v});
        return read(floatForm(), fn);
    }
    return std::nullopt;
}

} // namespace ColourForms
