#include "platform/PortalResponse.h"

#include <QDBusArgument>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace PortalResponse {

std::optional<OLE_COLOR> PickedColour(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument color = value.value<QDBusArgument>();
    if (color.currentType() != QDBusArgument::StructureType || color.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double rgb[3] = {0, 0, 0};
    color.beginStructure();
    color >> rgb[0] >> rgb[1] >> rgb[2];
    color.endStructure();
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(rgb[i]))
            return std::nullopt;
        channel[i] = static_cast<int>(std::lround(std::clamp(rgb[i], 0.0, 1.0) * 255.0));
    }
    return RGB(channel[0], channel[1], channel[2]);
}

QString PhotographFile(const QVariantMap& results)
{
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    return uri.isLocalFile() ? uri.toLocalFile() : QString();
}

bool MadeSince(const QString& file, const QDateTime& asked)
{
    const QFileInfo info(file);
    if (file.isEmpty() || !info.isFile())
        return false;
    // Where the file system keeps no birth time, the last change of the
    // file's metadata is the closest: creating the file changes it.
    const QDateTime made = info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime();
    return made.isValid() && made >= asked.addSecs(-1);
}

} // namespace PortalResponse
