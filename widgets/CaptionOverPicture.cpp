#include "widgets/CaptionOverPicture.h"

#include <QPaintEvent>
#include <QPainter>

CaptionOverPicture::CaptionOverPicture(QLabel* picture)
    : QLabel(picture)
    , m_picture(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionOverPicture::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        p.setClipRegion(event->region());
        p.drawPixmap(-pos(), m_picture->pixmap());
    }
    QLabel::paintEvent(event);
}
