#include "widgets/PictureButton.h"

#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "widgets/PropertyBag.h"
#include "widgets/MouseArgs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent)
    : QWidget(parent)
    , m_picture1Size(size())
{
    setMouseTracking(true);
}

void PictureButton::setPicture(const QImage& v)
{
    m_picture = v;
    Redraw();
    emit PropertyChanged(QStringLiteral("Picture"));
}

void PictureButton::setPictureHover(const QImage& v)
{
    m_pictureHover = v;
    Redraw();
    emit PropertyChanged(QStringLiteral("PictureHover"));
}

void PictureButton::setPictureDown(const QImage& v)
{
    m_pictureDown = v;
    Redraw();
    emit PropertyChanged(QStringLiteral("PictureDown"));
}

void PictureButton::UserControl_InitProperties()
{
    m_picture = m_pictureHover = m_pictureDown = QImage();
}

void PictureButton::UserControl_ReadProperties(const PropertyBag& bag)
{
    m_picture = bag.ReadProperty(QStringLiteral("Picture"), QVariant()).value<QImage>();
    m_pictureHover = bag.ReadProperty(QStringLiteral("PictureHover"), QVariant()).value<QImage>();
    m_pictureDown = bag.ReadProperty(QStringLiteral("PictureDown"), QVariant()).value<QImage>();
}

void PictureButton::UserControl_WriteProperties(PropertyBag& bag) const
{
    const auto write = [&](const char* key, const QImage& img) {
        bag.WriteProperty(QLatin1String(key), img.isNull() ? QVariant() : QVariant(img), QVariant());
    };
    write("Picture", m_picture);
    write("PictureHover", m_pictureHover);
    write("PictureDown", m_pictureDown);
}

bool PictureButton::pointerOver() const
{
    const Pointer& pointer = *platform().pointer;
    return pointer.widgetAt(pointer.cursorPos()) == this;
}

void PictureButton::Redraw()
{
    const QImage& shown = m_state == Hover ? m_pictureHover : m_state == Pressed ? m_pictureDown : m_picture;
    if (!shown.isNull())
        m_picture1Size = shown.deviceIndependentSize().toSize();
    const qreal dpr = shown.isNull() ? devicePixelRatioF() : shown.devicePixelRatio();
    m_surface = QImage((QSizeF(m_picture1Size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_surface.setDevicePixelRatio(dpr);
    m_surface.fill(Qt::transparent);
    if (!shown.isNull() && !m_surface.isNull())
        QPainter(&m_surface).drawImage(0, 0, shown);
    update();
    // Resizing to the size it already has sends no resize and so no second redraw.
    if (size() != m_picture1Size)
        resize(m_picture1Size);
}

void PictureButton::resizeEvent(QResizeEvent*)
{
    Redraw();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_surface);
}

void PictureButton::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    emit MouseDown(Button, Shift, X, Y);
    if (Button == 1) {
        m_state = Pressed;
        Redraw();
    }
}

void PictureButton::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    emit MouseMove(Button, Shift, X, Y);
    if (Button >= 2)
        return;
    if (!pointerOver()) {
        m_hover = false;
        m_state = Normal;
        Redraw();
    } else if (Button == 0 && !m_hover) {
        m_tracking = true;
        m_hover = true;
        emit MouseEnter();
        m_state = Hover;
        Redraw();
    } else if (Button == 1) {
        m_hover = true;
        m_state = Pressed;
        Redraw();
        m_hover = false;
    }
}

void PictureButton::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    emit MouseUp(Button, Shift, X, Y);
    m_state = pointerOver() ? Hover : Normal;
    Redraw();
}

void PictureButton::UserControl_Leave()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    m_hover = false;
    emit MouseLeave();
    m_state = Normal;
    Redraw();
}

namespace {

// The button's events carry 16-bit masks and single-precision positions.
struct Args16 {
    std::int16_t Button, Shift;
    float X, Y;
};

Args16 args16(const QMouseEvent* e)
{
    const MouseArgs::Args a = MouseArgs::Translate(e);
    return {static_cast<std::int16_t>(a.Button), static_cast<std::int16_t>(a.Shift), float(a.X), float(a.Y)};
}

} // namespace

void PictureButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_leftDown = true;
    const Args16 a = args16(e);
    UserControl_MouseDown(a.Button, a.Shift, a.X, a.Y);
}

void PictureButton::mouseMoveEvent(QMouseEvent* e)
{
    const Args16 a = args16(e);
    UserControl_MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* e)
{
    const Args16 a = args16(e);
    UserControl_MouseUp(a.Button, a.Shift, a.X, a.Y);
    if (e->button() == Qt::LeftButton && m_leftDown) {
        m_leftDown = false;
        if (rect().contains(e->position().toPoint()))
            emit Click();
    }
}

void PictureButton::leaveEvent(QEvent*)
{
    // While a button is held Qt holds the leave back until the release, as
    // the pointer stays captured by the button meanwhile.
    UserControl_Leave();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click reports only DblClick; its release
    // still comes as MouseUp.
    emit DblClick();
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureButton::press(int Button)
{
    if (Button == 1)
        emit Click();
}
