#include "widgets/MouseLabel.h"

#include "widgets/Accessibility.h"

#include "colour/mCPUtils.h"
#include "widgets/MouseArgs.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include "platform/QtColour.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

// A colour box tells a screen reader its colour as its value ("#00FF80").
class ColourBoxAccessible : public QAccessibleWidget {
public:
    explicit ColourBoxAccessible(MouseLabel* box)
        : QAccessibleWidget(box, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const MouseLabel*>(widget());
        if (t == QAccessible::Value && box->HasBackColor())
            return mCPUtils::ToHtmlText(box->BackColor());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* colourBoxFactory(const QString&, QObject* object)
{
    auto* box = qobject_cast<MouseLabel*>(object);
    return box && box->HasBackColor() ? new ColourBoxAccessible(box) : nullptr;
}

} // namespace

MouseLabel::MouseLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(colourBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setMouseTracking(true);
}

void MouseLabel::setBackColor(OLE_COLOR color)
{
    // Painted directly rather than through the palette: a colour box may be
    // recoloured several times per mouse move, and a palette change restyles.
    if (m_hasBackColor && m_backColor == color)
        return;
    m_backColor = color;
    m_hasBackColor = true;
    setAttribute(Qt::WA_OpaquePaintEvent); // filled edge to edge: nothing behind it needs painting
    update();
    Accessibility::Changed(this);
}

void MouseLabel::setForeColor(OLE_COLOR color)
{
    if (m_hasForeColor && m_foreColor == color)
        return;
    m_foreColor = color;
    m_hasForeColor = true;
    update();
}

void MouseLabel::paintEvent(QPaintEvent* event)
{
    if (m_hasBackColor)
        QPainter(this).fillRect(rect(), ToQColor(m_backColor));
    if (!m_hasForeColor || textFormat() == Qt::RichText || !pixmap().isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    // Plain text as QLabel sets it, in the colour of our own.
    QPainter p(this);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(m_foreColor));
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&p, contentsRect().adjusted(margin(), margin(), -margin(), -margin()), flags, pal, isEnabled(), text(), QPalette::WindowText);
}

void MouseLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    const MouseArgs::Args a = MouseArgs::Translate(event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArgs::Args a = MouseArgs::Translate(event);
    emit MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const MouseArgs::Args a = MouseArgs::Translate(event);
    emit MouseUp(a.Button, a.Shift, a.X, a.Y);
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint()))
            emit Click();
    }
}

void MouseLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit Click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void MouseLabel::press(int Button)
{
    emit MouseDown(Button, 0, 0, 0);
    emit MouseUp(Button, 0, 0, 0);
    if (Button == 1)
        emit Click();
}
