#include "widgets/zelFrames.h"

#include "colour/mCPUtils.h"
#include "widgets/PropertyBag.h"
#include "widgets/mFrameDraw.h"
#include "widgets/mFrameRules.h"
#include "platform/QtColour.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

using namespace mFrameDraw;
using mFrameRules::BlendColors;

namespace {

constexpr OLE_COLOR White = 0xFFFFFF;
constexpr OLE_COLOR SavedColorFrom = 0x9E9EFF;
constexpr OLE_COLOR SavedColorTo = 0xF0F0FF;

} // namespace

zelFrames::zelFrames(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent)
        m_ambient = {parent->objectName(), 0, parent->font()};
    const QColor bg = (parent ? parent->palette() : palette()).color(QPalette::Window);
    m_ambient.BackColor = RGB(bg.red(), bg.green(), bg.blue());
    UserControl_Initialize();
}

void zelFrames::UserControl_Initialize()
{
    m_font = QFont();
    QWidget::setFont(m_font);
    m_iconSize = 16;
    m_themeColor = 0;
    ApplyTheme();
    m_textBoxHeight = 22;
    m_alignment = 2;
    m_iconAlignment = 0;
}

// ---- property setters --------------------------------------------------------

void zelFrames::setFrameColor(OLE_COLOR v)
{
    m_frameColor = v;
    if (m_themeColor == 5)
        m_themeFrame = v;
    notify("FrameColor");
    DrawFrame();
}

void zelFrames::setFillColor(OLE_COLOR v)
{
    m_fillColor = v;
    notify("FillColor");
    DrawFrame();
}

void zelFrames::setRoundedCornerTxtBox(bool v)
{
    m_roundedCornerTxtBox = v;
    notify("RoundedCornerTxtBox");
    DrawFrame();
}

void zelFrames::setRoundedCorner(bool v)
{
    m_roundedCorner = v;
    notify("RoundedCorner");
    DrawFrame();
}

void zelFrames::setCaption(const QString& v)
{
    m_caption = v;
    DrawFrame();
}

void zelFrames::setAlignment(int v)
{
    m_alignment = v;
    UpdateTextFlags();
    notify("Alignment");
    DrawFrame();
}

void zelFrames::setStyle(int v)
{
    m_style = v;
    notify("Style");
    ApplyStylePreset();
    DrawFrame();
}

void zelFrames::setTextBoxHeight(int v)
{
    m_textBoxHeight = v;
    notify("TextBoxHeight");
    DrawFrame();
}

void zelFrames::setTextColor(OLE_COLOR v)
{
    m_textColor = v;
    notify("TextColor");
    DrawFrame();
}

void zelFrames::setTextBoxColor(OLE_COLOR v)
{
    m_textBoxColor = v;
    notify("TextBoxColor");
    DrawFrame();
}

void zelFrames::setBackColor(OLE_COLOR v)
{
    m_backColor = v; // the surface clears to this colour
    notify("BackColor");
    DrawFrame();
}

void zelFrames::setFont(const QFont& v)
{
    ApplyFont(v);
    notify("Font");
    DrawFrame();
}

void zelFrames::setPicture(const QImage& v)
{
    m_picture = v;
    notify("Picture");
    DrawFrame();
}

void zelFrames::setIconSize(std::int16_t v)
{
    m_iconSize = v;
    notify("IconSize");
    DrawFrame();
}

void zelFrames::setIconAlignment(int v)
{
    m_iconAlignment = v;
    notify("IconAlignment");
    DrawFrame();
}

void zelFrames::setThemeColor(int v)
{
    if (v == m_themeColor)
        return;
    m_themeColor = v;
    ApplyTheme();
    DrawFrame();
    notify("ThemeColor");
}

void zelFrames::setColorFrom(OLE_COLOR v)
{
    m_colorFrom = v;
    notify("ColorFrom");
    m_themeFrom = v;
    DrawFrame();
}

void zelFrames::setColorTo(OLE_COLOR v)
{
    m_colorTo = v;
    notify("ColorTo");
    m_themeTo = v;
    DrawFrame();
}

// ---- presets -------------------------------------------------------------------

void zelFrames::ApplyFont(const QFont& f)
{
    m_font.setBold(f.bold());
    m_font.setItalic(f.italic());
    m_font.setFamily(f.family());
    if (f.pointSizeF() > 0)
        m_font.setPointSizeF(f.pointSizeF());
    QWidget::setFont(m_font);
}

void zelFrames::UpdateTextFlags()
{
    m_textFlags = mFrameRules::TextFlagsFor(m_alignment);
}

void zelFrames::ApplyTheme()
{
    const mFrameRules::Theme t = mFrameRules::ThemeFor(m_themeColor, m_colorFrom, m_colorTo, m_frameColor);
    m_themeFrom = t.from;
    m_themeTo = t.to;
    m_themeFrame = t.frame;
}

void zelFrames::ApplyStylePreset()
{
    const auto preset = [this](OLE_COLOR text, OLE_COLOR frame, OLE_COLOR box, int alignment) {
        m_textColor = text;
        m_frameColor = frame;
        m_textBoxColor = box;
        m_textBoxHeight = 22;
        m_alignment = alignment;
    };
    switch (m_style) {
    case 0:
        preset(RGB(3, 54, 207), RGB(195, 195, 195), White, 0);
        m_fillColor = m_ambient.BackColor;
        break;
    case 1:
    case 4:
        preset(0, 0, White, 2);
        m_themeColor = 0; // the value only: the theme colours follow at the next apply
        break;
    case 2:
        preset(0, RGB(106, 106, 106), RGB(240, 239, 176), 2);
        m_roundedCornerTxtBox = true;
        break;
    case 3:
        preset(0, 0, RGB(240, 239, 176), 2);
        m_roundedCorner = true;
        m_fillColor = RGB(255, 255, 224);
        break;
    default:
        return;
    }
    UpdateTextFlags();
}

// ---- lifecycle and persistence -------------------------------------------------

void zelFrames::UserControl_InitProperties()
{
    m_caption = m_ambient.DisplayName;
    m_backColor = m_ambient.BackColor;
    m_fillColor = m_ambient.BackColor;
    m_roundedCorner = true;
    m_roundedCornerTxtBox = false;
    m_style = 1;
    m_themeColor = 0;
    m_textColor = 0;
    m_frameColor = 0;
    m_textBoxColor = White;
    m_textBoxHeight = 22;
    UpdateTextFlags();
}

void zelFrames::UserControl_ReadProperties(const PropertyBag& bag)
{
    const auto i32 = [&](const char* key, std::int32_t def) {
        return bag.ReadProperty(QLatin1String(key), QVariant::fromValue<qint32>(def)).toInt();
    };
    const auto flag = [&](const char* key, bool def) { return bag.ReadProperty(QLatin1String(key), def).toBool(); };
    m_frameColor = i32("FrameColor", 0);
    m_backColor = i32("BackColor", m_ambient.BackColor);
    m_fillColor = i32("FillColor", m_ambient.BackColor);
    m_textBoxColor = i32("TextBoxColor", White);
    m_style = i32("Style", 1);
    m_roundedCorner = flag("RoundedCorner", true);
    m_roundedCornerTxtBox = flag("RoundedCornerTxtBox", false);
    m_caption = bag.ReadProperty(QStringLiteral("Caption"), m_ambient.DisplayName).toString();
    m_textBoxHeight = i32("TextBoxHeight", 22);
    m_textColor = i32("TextColor", 0);
    m_alignment = i32("Alignment", 2);
    m_iconAlignment = i32("IconAlignment", 0);
    const QVariant font = bag.ReadProperty(QStringLiteral("Font"), m_ambient.Font);
    m_font = font.canConvert<QFont>() ? font.value<QFont>() : m_ambient.Font;
    m_picture = bag.ReadProperty(QStringLiteral("Picture"), QVariant()).value<QImage>();
    m_iconSize = static_cast<std::int16_t>(bag.ReadProperty(QStringLiteral("IconSize"), QVariant::fromValue<qint16>(16)).toInt());
    m_themeColor = i32("ThemeColor", 0);
    m_colorFrom = i32("ColorFrom", SavedColorFrom);
    m_colorTo = i32("ColorTo", SavedColorTo);

    UpdateTextFlags();
    ApplyFont(m_font);
    ApplyTheme();
    DrawFrame();
}

void zelFrames::UserControl_WriteProperties(PropertyBag& bag) const
{
    const auto i32 = [&](const char* key, std::int32_t value, std::int32_t def) {
        bag.WriteProperty(QLatin1String(key), QVariant::fromValue<qint32>(value), QVariant::fromValue<qint32>(def));
    };
    i32("FrameColor", m_frameColor, 0);
    i32("BackColor", m_backColor, m_ambient.BackColor);
    i32("FillColor", m_fillColor, m_ambient.BackColor);
    i32("TextBoxColor", m_textBoxColor, White);
    i32("Style", m_style, 1);
    bag.WriteProperty(QStringLiteral("RoundedCorner"), m_roundedCorner, true);
    bag.WriteProperty(QStringLiteral("RoundedCornerTxtBox"), m_roundedCornerTxtBox, false);
    bag.WriteProperty(QStringLiteral("Caption"), m_caption, m_ambient.DisplayName);
    i32("TextBoxHeight", m_textBoxHeight, 22);
    i32("TextColor", m_textColor, 0);
    i32("Alignment", m_alignment, 2);
    i32("IconAlignment", m_iconAlignment, 0);
    bag.WriteProperty(QStringLiteral("Font"), m_font, m_ambient.Font);
    bag.WriteProperty(QStringLiteral("Picture"), m_picture.isNull() ? QVariant() : QVariant(m_picture), QVariant());
    bag.WriteProperty(QStringLiteral("IconSize"), QVariant::fromValue<qint16>(m_iconSize), QVariant::fromValue<qint16>(16));
    i32("ThemeColor", m_themeColor, 0);
    i32("ColorFrom", m_colorFrom, SavedColorFrom);
    i32("ColorTo", m_colorTo, SavedColorTo);
}

// ---- painting --------------------------------------------------------------------

void zelFrames::DrawFrame()
{
    using namespace mFrameRules;
    ++m_drawCount;
    const int W = width(), H = height();
    if (m_surface.size() != size())
        m_surface = QImage(size(), QImage::Format_RGB32);
    if (m_surface.isNull())
        return;
    m_surface.fill(ToQColor(m_backColor));

    const bool hasCaption = !m_caption.isEmpty();
    if (hasCaption) {
        const QFontMetricsF metrics(m_font);
        m_textWidth = mCPUtils::RoundHalfEven(metrics.horizontalAdvance(m_caption));
        m_textHeight = mCPUtils::RoundHalfEven(metrics.height());
    }
    const FrameFields fields{m_style, hasCaption, m_alignment, m_textBoxHeight, m_roundedCorner,
                             m_roundedCornerTxtBox, !m_picture.isNull(), m_iconSize, m_iconAlignment};
    const FrameLayout layout = LayoutFrame(fields, W, H, m_textWidth, m_textHeight);
    m_bodyTop = layout.bodyTop;
    const int r = layout.corner, T = layout.bodyTop, tbh = m_textBoxHeight, M = Margin;
    const OLE_COLOR lightFrom = BlendColors(m_themeFrom, White);

    switch (m_style) {
    case 0:
        RoundRect(m_surface, 0, T, W, H, r, r, m_frameColor, m_fillColor);
        if (hasCaption)
            DrawLine(m_surface, layout.captionGapLeft, T, layout.captionGapLeft + m_textWidth + Pad, T, m_fillColor);
        break;
    case 1:
        RoundRect(m_surface, 0, T, W, H, r, r, m_themeFrame, lightFrom);
        FillGradientBox(m_surface, 0, 0, W - 1, M, m_themeTo, m_themeFrom, m_themeFrame);
        FillGradientBox(m_surface, 0, M, W - 1, tbh, m_themeTo, m_themeFrom, m_themeFrame);
        FillGradientBox(m_surface, 0, tbh + M, W - 1, M, m_themeTo, m_themeFrom, m_themeFrame);
        FillGradient(m_surface, 1, tbh + 2 * M + 1, W - 1, layout.bodyGradientSteps, BlendColors(m_themeTo, White), lightFrom);
        break;
    case 2:
        RoundRect(m_surface, 0, T, W, H, r, r, m_frameColor, m_fillColor);
        RoundRect(m_surface, Inset, 0, W - Inset, tbh, layout.captionBoxCorner, layout.captionBoxCorner, m_frameColor, m_textBoxColor);
        break;
    case 3:
        RoundRect(m_surface, 0, T, W, H, r, r, m_frameColor, m_fillColor);
        RoundRect(m_surface, 0, 0, W, tbh, layout.captionBoxCorner, layout.captionBoxCorner, m_frameColor, m_textBoxColor);
        break;
    case 4:
        RoundRect(m_surface, 0, 0, W, H, r, r, 0, lightFrom);
        FillGradientBox(m_surface, 0, 0, W - 1, 2 * M, White, m_themeFrom, 0);
        DrawGrip(m_surface, White, BlendColors(0, m_themeFrom), 2 * M);
        DrawLine(m_surface, 0, tbh + 2 * M, W - 1, tbh + 2 * M, 0);
        FillGradient(m_surface, 1, tbh + 2 * M + 1, W - 1, layout.bodyGradientSteps, BlendColors(m_themeTo, White), lightFrom);
        break;
    default:
        break;
    }

    QPainter p(&m_surface);
    if (hasCaption) {
        const mDraw::Rect& c = layout.CaptionRect;
        Qt::Alignment align = Qt::AlignVCenter;
        align |= (m_textFlags & 0x1) ? Qt::AlignHCenter : (m_textFlags & 0x2) ? Qt::AlignRight : Qt::AlignLeft;
        p.setFont(m_font);
        p.setPen(ToQColor(m_textColor));
        p.drawText(QRect(c.left, c.top, c.right - c.left, c.bottom - c.top), int(align) | Qt::TextSingleLine, m_caption);
    }
    if (fields.hasPicture && m_style != 0)
        p.drawImage(QRect(layout.iconLeft, layout.iconTop, m_iconSize, m_iconSize), m_picture);
    p.end();
    update();
}

void zelFrames::resizeEvent(QResizeEvent*)
{
    DrawFrame();
}

void zelFrames::paintEvent(QPaintEvent* event)
{
    if (m_surface.size() != size())
        DrawFrame();
    QPainter(this).drawImage(event->rect(), m_surface, event->rect());
}
