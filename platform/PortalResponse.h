#pragma once

#include "colour/OleColor.h"

#include <QString>
#include <QVariantMap>
#include <optional>

// What the desktop portal's successful Response carries, read without
// trusting it: the portal is another program.
namespace PortalResponse {

// PickColor's "color", three doubles 0..1 (clamped); none when it is
// missing, of another type or not a number.
std::optional<OLE_COLOR> PickedColour(const QVariantMap& results);
// Screenshot's "uri" as a local file; empty for anything but a file: URI.
QString PhotographFile(const QVariantMap& results);

} // namespace PortalResponse
