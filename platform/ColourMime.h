#pragma once

#include "colour/OleColor.h"

#include <optional>

class QMimeData;

// A colour as drag and drop carries it between programs: Qt's and KDE's
// application/x-color, and plain text for everything else.
namespace ColourMime {

// application/x-color and the text #RRGGBB; the caller owns the result.
QMimeData* MimeOf(OLE_COLOR c);
// The colour dropped: application/x-color first, else text in any form the
// program reads; none for anything else.
std::optional<OLE_COLOR> ColourOf(const QMimeData* mime);

} // namespace ColourMime
