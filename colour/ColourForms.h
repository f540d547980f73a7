#pragma once

#include "colour/OleColor.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Every text form a colour leaves the program in, each with its id, its
// name for people and its formatter; and the reader of the forms CSS and
// design tools write. Pure code, no display.
//
// Each number is printed with the fewest decimals (trailing zeros dropped)
// that read back as the same 24-bit colour, so every form but "name" goes
// there and back exactly.
namespace ColourForms {

struct Form {
    QString id;    // "oklch"
    QString label; // "OKLCH"
};

// In the order menus list them: hex, long, html (the read-outs' forms),
// then rgb, hsl, hwb, lab, lch, oklab, oklch, hsv, cmyk, float, name.
const QList<Form>& All();
// How many of All() are the read-outs' own forms, listed first.
inline constexpr int ReadoutForms = 3;
bool Known(QStringView id);
// "hex, long, html, rgb, ..." for messages.
QString Ids();

// The colour in the form with this id; empty for an unknown id.
QString Format(QStringView id, OLE_COLOR c);

// A colour written in one of CSS Color 4's functions (rgb, rgba, hsl,
// hsla, hwb, lab, lch, oklab, oklch, in the modern or the legacy comma
// syntax, with percentages, hue units deg, rad, grad, turn and "none"),
// hsv/hsb, cmyk/device-cmyk, three floats 0..1 (bare or in vec3()), or a
// CSS named colour. Out-of-range channels are clamped and colours outside
// sRGB gamut-mapped, as CSS does; an alpha other than 1 is refused, as is
// anything else. The hexadecimal and decimal forms are ColourText's.
std::optional<OLE_COLOR> Parse(QStringView text);

} // namespace ColourForms
