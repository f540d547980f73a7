#include "widgets/zelFrames.h"

#include "widgets/PropertyBag.h"
#include "widgets/FramePainter.h"
#include "platform/QtColour.h"

#include <QPaintEvent>
#include <QPainter>

zelFrames::zelFrames(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent)
        m_p.ambient = {parent->objectName(), 0, parent->font()};
    const QColor bg = (parent ? parent->palette() : palette()).color(QPalette::Window);
    m_p.ambient.BackColor = RGB(bg.red(), bg.green(), bg.blue());
    UserControl_Initialize();
}

void zelFrames::UserControl_Initialize()
{
    m_p.Initialize();
    QWidget::setFont(m_p.font);
}

// ---- property setters --------------------------------------------------------

void zelFrames::setFrameColor(OLE_COLOR v)
{
    m_p.frameColor = v;
    if (m_p.themeColor == 5)
        m_p.themeFrame = v;
    notify("FrameColor");
    DrawFrame();
}

void zelFrames::setFillColor(OLE_COLOR v)
{
    m_p.fillColor = v;
    notify("FillColor");
    DrawFrame();
}

void zelFrames::setRoundedCornerTxtBox(bool v)
{
    m_p.roundedCornerTxtBox = v;
    notify("RoundedCornerTxtBox");
    DrawFrame();
}

void zelFrames::setRoundedCorner(bool v)
{
    m_p.roundedCorner = v;
    notify("RoundedCorner");
    DrawFrame();
}

void zelFrames::setCaption(const QString& v)
{
    m_p.caption = v;
    DrawFrame();
}

void zelFrames::setAlignment(int v)
{
    m_p.alignment = v;
    m_p.UpdateTextFlags();
    notify("Alignment");
    DrawFrame();
}

void zelFrames::setStyle(int v)
{
    m_p.style = v;
    notify("Style");
    m_p.ApplyStylePreset();
    DrawFrame();
}

void zelFrames::setTextBoxHeight(int v)
{
    m_p.textBoxHeight = v;
    notify("TextBoxHeight");
    DrawFrame();
}

void zelFrames::setTextColor(OLE_COLOR v)
{
    m_p.textColor = v;
    notify("TextColor");
    DrawFrame();
}

void zelFrames::setTextBoxColor(OLE_COLOR v)
{
    m_p.textBoxColor = v;
    notify("TextBoxColor");
    DrawFrame();
}

void zelFrames::setBackColor(OLE_COLOR v)
{
    m_p.backColor = v; // the surface clears to this colour
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
    m_p.picture = v;
    notify("Picture");
    DrawFrame();
}

void zelFrames::setIconSize(std::int16_t v)
{
    m_p.iconSize = v;
    notify("IconSize");
    DrawFrame();
}

void zelFrames::setIconAlignment(int v)
{
    m_p.iconAlignment = v;
    notify("IconAlignment");
    DrawFrame();
}

void zelFrames::setThemeColor(int v)
{
    if (v == m_p.themeColor)
        return;
    m_p.themeColor = v;
    m_p.ApplyTheme();
    DrawFrame();
    notify("ThemeColor");
}

void zelFrames::setColorFrom(OLE_COLOR v)
{
    m_p.colorFrom = v;
    notify("ColorFrom");
    m_p.themeFrom = v;
    DrawFrame();
}

void zelFrames::setColorTo(OLE_COLOR v)
{
    m_p.colorTo = v;
    notify("ColorTo");
    m_p.themeTo = v;
    DrawFrame();
}

void zelFrames::ApplyFont(const QFont& f)
{
    m_p.ApplyFont(f);
    QWidget::setFont(m_p.font);
}

void zelFrames::UserControl_InitProperties()
{
    m_p.InitProperties();
}

void zelFrames::UserControl_ReadProperties(const PropertyBag& bag)
{
    m_p.ReadProperties(bag);
    QWidget::setFont(m_p.font);
    DrawFrame();
}

void zelFrames::UserControl_WriteProperties(PropertyBag& bag) const
{
    m_p.WriteProperties(bag);
}

void zelFrames::DrawFrame()
{
    ++m_drawCount;
    FramePainter::DrawFrame(m_surface, size(), m_p);
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
