// Any Response from the desktop portal, which is another program: the
// "color" of PickColor as whatever the bytes make of it (three doubles of
// any value, a structure of other types, a plain value), the "uri" of
// Screenshot as any text. A colour read has three bytes; a file is only
// ever a local one.
#include "platform/PortalResponse.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QUrl>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QVariantMap results;
    if (size >= 1 + 3 * sizeof(double)) {
        double rgb[3];
        std::memcpy(rgb, data + 1, sizeof rgb);
        QDBusArgument color;
        color.beginStructure();
        if (data[0] % 3 == 0)
            color << rgb[0] << rgb[1] << rgb[2];
        else if (data[0] % 3 == 1)
            color << rgb[0] << QString::number(rgb[1]); // another shape
        color.endStructure();
        if (data[0] % 3 != 2)
            results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        else
            results.insert(QStringLiteral("color"), rgb[0]);
    }
    results.insert(QStringLiteral("uri"), QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (const auto c = PortalResponse::PickedColour(results); c && (*c < 0 || *c > 0xFFFFFF))
        std::abort();
    const QString file = PortalResponse::PhotographFile(results);
    if (!file.isEmpty() && !QUrl(results.value(QStringLiteral("uri")).toString()).isLocalFile())
        std::abort();
    return 0;
}
