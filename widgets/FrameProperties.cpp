#include "widgets/FrameProperties.h"

#include "widgets/PropertyBag.h"
#include "widgets/FrameRules.h"

namespace {

constexpr OLE_COLOR White = 0xFFFFFF;
constexpr OLE_COLOR SavedColorFrom = 0x9E9EFF;
constexpr OLE_COLOR SavedColorTo = 0xF0F0FF;

} // namespace

void FrameProperties::Initialize()
{
    font = QFont();
    iconSize = 16;
    themeColor = 0;
    ApplyTheme();
    textBoxHeight = 22;
    alignment = 2;
    iconAlignment = 0;
}

void FrameProperties::ApplyFont(const QFont& f)
{
    font.setBold(f.bold());
    font.setItalic(f.italic());
    font.setFamily(f.family());
    if (f.pointSizeF() > 0)
        font.setPointSizeF(f.pointSizeF());
}

void FrameProperties::UpdateTextFlags()
{
    textFlags = FrameRules::TextFlagsFor(alignment);
}

void FrameProperties::ApplyTheme()
{
    const FrameRules::Theme t = FrameRules::ThemeFor(themeColor, colorFrom, colorTo, frameColor);
    themeFrom = t.from;
    themeTo = t.to;
    themeFrame = t.frame;
}

void FrameProperties::ApplyStylePreset()
{
    const auto preset = [this](OLE_COLOR text, OLE_COLOR frame, OLE_COLOR box, int align) {
        textColor = text;
        frameColor = frame;
        textBoxColor = box;
        textBoxHeight = 22;
        alignment = align;
    };
    switch (style) {
    case 0:
        preset(RGB(3, 54, 207), RGB(195, 195, 195), White, 0);
        fillColor = ambient.BackColor;
        break;
    case 1:
    case 4:
        preset(0, 0, White, 2);
        themeColor = 0; // the value only: the theme colours follow at the next apply
        break;
    case 2:
        preset(0, RGB(106, 106, 106), RGB(240, 239, 176), 2);
        roundedCornerTxtBox = true;
        break;
    case 3:
        preset(0, 0, RGB(240, 239, 176), 2);
        roundedCorner = true;
        fillColor = RGB(255, 255, 224);
        break;
    default:
        return;
    }
    UpdateTextFlags();
}

void FrameProperties::InitProperties()
{
    caption = ambient.DisplayName;
    backColor = ambient.BackColor;
    fillColor = ambient.BackColor;
    roundedCorner = true;
    roundedCornerTxtBox = false;
    style = 1;
    themeColor = 0;
    textColor = 0;
    frameColor = 0;
    textBoxColor = White;
    textBoxHeight = 22;
    UpdateTextFlags();
}

void FrameProperties::ReadProperties(const PropertyBag& bag)
{
    const auto i32 = [&](const char* key, std::int32_t def) {
        return bag.ReadProperty(QLatin1String(key), QVariant::fromValue<qint32>(def)).toInt();
    };
    const auto flag = [&](const char* key, bool def) { return bag.ReadProperty(QLatin1String(key), def).toBool(); };
    frameColor = i32("FrameColor", 0);
    backColor = i32("BackColor", ambient.BackColor);
    fillColor = i32("FillColor", ambient.BackColor);
    textBoxColor = i32("TextBoxColor", White);
    style = i32("Style", 1);
    roundedCorner = flag("RoundedCorner", true);
    roundedCornerTxtBox = flag("RoundedCornerTxtBox", false);
    caption = bag.ReadProperty(QStringLiteral("Caption"), ambient.DisplayName).toString();
    textBoxHeight = i32("TextBoxHeight", 22);
    textColor = i32("TextColor", 0);
    alignment = i32("Alignment", 2);
    iconAlignment = i32("IconAlignment", 0);
    const QVariant stored = bag.ReadProperty(QStringLiteral("Font"), ambient.Font);
    font = stored.canConvert<QFont>() ? stored.value<QFont>() : ambient.Font;
    picture = bag.ReadProperty(QStringLiteral("Picture"), QVariant()).value<QImage>();
    iconSize = static_cast<std::int16_t>(bag.ReadProperty(QStringLiteral("IconSize"), QVariant::fromValue<qint16>(16)).toInt());
    themeColor = i32("ThemeColor", 0);
    colorFrom = i32("ColorFrom", SavedColorFrom);
    colorTo = i32("ColorTo", SavedColorTo);

    UpdateTextFlags();
    ApplyFont(font);
    ApplyTheme();
}

void FrameProperties::WriteProperties(PropertyBag& bag) const
{
    const auto i32 = [&](const char* key, std::int32_t value, std::int32_t def) {
        bag.WriteProperty(QLatin1String(key), QVariant::fromValue<qint32>(value), QVariant::fromValue<qint32>(def));
    };
    i32("FrameColor", frameColor, 0);
    i32("BackColor", backColor, ambient.BackColor);
    i32("FillColor", fillColor, ambient.BackColor);
    i32("TextBoxColor", textBoxColor, White);
    i32("Style", style, 1);
    bag.WriteProperty(QStringLiteral("RoundedCorner"), roundedCorner, true);
    bag.WriteProperty(QStringLiteral("RoundedCornerTxtBox"), roundedCornerTxtBox, false);
    bag.WriteProperty(QStringLiteral("Caption"), caption, ambient.DisplayName);
    i32("TextBoxHeight", textBoxHeight, 22);
    i32("TextColor", textColor, 0);
    i32("Alignment", alignment, 2);
    i32("IconAlignment", iconAlignment, 0);
    bag.WriteProperty(QStringLiteral("Font"), font, ambient.Font);
    bag.WriteProperty(QStringLiteral("Picture"), picture.isNull() ? QVariant() : QVariant(picture), QVariant());
    bag.WriteProperty(QStringLiteral("IconSize"), QVariant::fromValue<qint16>(iconSize), QVariant::fromValue<qint16>(16));
    i32("ThemeColor", themeColor, 0);
    i32("ColorFrom", colorFrom, SavedColorFrom);
    i32("ColorTo", colorTo, SavedColorTo);
}
