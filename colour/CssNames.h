#pragma once

#include "colour/OleColor.h"

#include <QString>
#include <optional>

// The 148 named colours of CSS Color 4.
namespace CssNames {

// The colour of a name, in any letter case; none for any other text
// ("transparent" included: the program has no transparency).
std::optional<OLE_COLOR> ColourOf(QStringView name);
// The name that is exactly this colour (the first alphabetically where two
// are: "aqua" before "cyan", "gray" before "grey"), or an empty text.
QString NameOf(OLE_COLOR c);
// The name whose colour lies nearest in OKLab.
QString NearestName(OLE_COLOR c);

} // namespace CssNames
