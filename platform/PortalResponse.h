#pragma once

#include "colour/OleColor.h"

#include <QDateTime>
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
// True when file is a file that came into being at or after asked (for a
// link, the file it leads to), so the portal made it for the request asked
// then and it is ours to remove, wherever the desktop chose to put it. A
// second of grace covers file systems whose clocks are coarse.
bool MadeSince(const QString& file, const QDateTime& asked);

} // namespace PortalResponse
