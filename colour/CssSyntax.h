#pragma once

#include <QList>
#include <QString>
#include <optional>

// The shape of a colour function as CSS writes it, "name(a b c / alpha)" or
// the legacy "name(a, b, c, alpha)", with the numbers it holds. Knows
// nothing of what the numbers mean. Pure code, no display.
namespace CssSyntax {

struct Component {
    enum Kind {
        Number,
        Percent, // value as written: 50% is 50
        Angle,   // value in degrees, from deg, rad, grad or turn
        None,    // the keyword "none"
    };
    Kind kind = Number;
    double value = 0;
};

struct Function {
    QString name; // lower case
    QList<Component> components;
    bool commas = false; // written with commas between the components
    std::optional<Component> alpha; // after a slash
};

// The function written in text, blanks around it allowed, letter case
// ignored; none for anything else: text before or after it, separators
// mixed, an empty component, a number with a unit CSS has no use for here.
// With commas, an alpha is one more component: the caller knows how many
// it expects.
std::optional<Function> ParseFunction(QStringView text);

// Three to four numbers alone, separated by commas or blanks ("1, 0.5, 0"),
// as shader code writes a colour; none for anything else.
std::optional<QList<double>> ParseNumberList(QStringView text);

} // namespace CssSyntax
