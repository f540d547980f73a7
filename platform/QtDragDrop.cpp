#include "platform/QtDragDrop.h"

#include "platform/ColourMime.h"
#include "platform/QtColour.h"

#include <QDrag>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

void QtDragDrop::dragColour(QWidget* source, OLE_COLOR c)
{
    auto* drag = new QDrag(source);
    drag->setMimeData(ColourMime::MimeOf(c));
    // A swatch of the colour under the pointer while it travels.
    QPixmap swatch(24, 24);
    swatch.fill(ToQColor(c));
    QPainter(&swatch).drawRect(0, 0, 23, 23);
    drag->setPixmap(swatch);
    drag->setHotSpot(QPoint(-4, -4));
    drag->exec(Qt::CopyAction);
}
