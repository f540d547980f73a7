#include "app/MainDesign.h"

#include "widgets/DesignFonts.h"

namespace MainDesign {

PropertyBag FrameDesign(bool foreground, OLE_COLOR windowBack)
{
    PropertyBag bag;
    const auto i32 = [&](const char* key, OLE_COLOR v) {
        bag.WriteProperty(QLatin1String(key), QVariant::fromValue<qint32>(v), QVariant());
    };
    i32("BackColor", foreground ? 0x00E0E0E0 : windowBack);
    i32("FillColor", foreground ? 0x00E0FFFF : 0x00C0A080);
    bag.WriteProperty(QStringLiteral("RoundedCornerTxtBox"), foreground, QVariant());
    bag.WriteProperty(QStringLiteral("Caption"), foreground ? QStringLiteral("Foreground Color") : QStringLiteral("Background Color"), QVariant());
    i32("TextColor", 0x00FFFFFF);
    QFont font = DesignFonts::Font(QStringLiteral("MS Sans Serif"), 9.75);
    font.setBold(true);
    bag.WriteProperty(QStringLiteral("Font"), font, QVariant());
    i32("ThemeColor", 5);
    i32("ColorFrom", 0x00808080);
    i32("ColorTo", 0x00808080);
    return bag;
}

} // namespace MainDesign
