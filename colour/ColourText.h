#pragma once

#include "colour/OleColor.h"

#include <QString>
#include <optional>

// Colours typed or pasted as text. Accepted, in any letter case and with
// blanks around: "#RGB", "#RRGGBB" (and "#RGBA", "#RRGGBBAA" when opaque),
// "RRGGBB", "0xRRGGBB", "&HBBGGRR" (one to six hex digits, as the HEX
// read-out shows them), a decimal LONG 0..16777215, and every form
// ColourForms reads (CSS functions and names, hsv, cmyk, floats). Pure
// code, no display.
namespace ColourText {

enum class Prefer {
    Html, // six digits are RRGGBB (the HEX and HTML boxes, a paste)
    Long, // digits alone are a decimal LONG (the LONG box)
};

std::optional<OLE_COLOR> Parse(const QString& text, Prefer prefer = Prefer::Html);

// What the accepted forms are, for a tool tip.
QString AcceptedForms();

} // namespace ColourText
