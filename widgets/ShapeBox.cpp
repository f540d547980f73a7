#include "widgets/ShapeBox.h"

#include <QPainter>

ShapeBox::ShapeBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeBox::setFillStyle(FillStyle style)
{
    if (m_fillStyle == style)
        return;
    m_fillStyle = style;
    update();
}

void ShapeBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_fillStyle == Solid) {
        // Light enough that the text it surrounds still reads through it.
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(90);
        p.fillRect(rect(), fill);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
