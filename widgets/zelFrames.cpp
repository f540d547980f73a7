#include "widgets/zelFrames.h"

#include "widgets/PropertyBag.h"
#include "widgets/FramePainter.h"
#include "widgets/SurfaceDraw.h"
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

// Each setter stores and tells the host, as the design has it, and draws the
// frame again only when what it is drawn from changed.
void zelFrames::change(const char* name, const std::function<void()>& store)
{
    const FrameProperties before = m_p;
    store();
    if (name)
        notify(name);
    if (!(m_p == before))
        DrawFrame();
}

void zelFrames::setFrameColor(OLE_COLOR v)
{
    change("FrameColor", [&] {
        m_p.frameColor = v;
        if (m_p.themeColor == 5)
            m_p.themeFrame = v;
    });
}

void zelFrames::setFillColor(OLE_COLOR v)
{
    change("FillColor", [&] { m_p.fillColor = v; });
}

void zelFrames::setRoundedCornerTxtBox(bool v)
{
    change("RoundedCornerTxtBox", [&] { m_p.roundedCornerTxtBox = v; });
}

void zelFrames::setRoundedCorner(bool v)
{
    change("RoundedCorner", [&] { m_p.roundedCorner = v; });
}

void zelFrames::setCaption(const QString& v)
{
    change(nullptr, [&] { m_p.caption = v; });
}

void zelFrames::setAlignment(int v)
{
    change("Alignment", [&] {
        m_p.alignment = v;
        m_p.UpdateTextFlags();
    });
}

void zelFrames::setStyle(int v)
{
    // The preset is applied again even for the same style: it puts back the
    // colours the style stands for.
    change("Style", [&] {
        m_p.style = v;
        m_p.ApplyStylePreset();
    });
}

void zelFrames::setTextBoxHeight(int v)
{
    change("TextBoxHeight", [&] { m_p.textBoxHeight = v; });
}

void zelFrames::setTextColor(OLE_COLOR v)
{
    change("TextColor", [&] { m_p.textColor = v; });
}

void zelFrames::setTextBoxColor(OLE_COLOR v)
{
    change("TextBoxColor", [&] { m_p.textBoxColor = v; });
}

void zelFrames::setBackColor(OLE_COLOR v)
{
    change("BackColor", [&] { m_p.backColor = v; }); // the surface clears to this colour
}

void zelFrames::setFont(const QFont& v)
{
    change("Font", [&] { ApplyFont(v); });
}

void zelFrames::setPicture(const QImage& v)
{
    change("Picture", [&] { m_p.picture = v; });
}

void zelFrames::setIconSize(std::int16_t v)
{
    change("IconSize", [&] { m_p.iconSize = v; });
}

void zelFrames::setIconAlignment(int v)
{
    change("IconAlignment", [&] { m_p.iconAlignment = v; });
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
    change("ColorFrom", [&] {
        m_p.colorFrom = v;
        m_p.themeFrom = v;
    });
}

void zelFrames::setColorTo(OLE_COLOR v)
{
    change("ColorTo", [&] {
        m_p.colorTo = v;
        m_p.themeTo = v;
    });
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
    QPainter p(this);
    SurfaceDraw::Show(p, m_surface, event->region());
}
