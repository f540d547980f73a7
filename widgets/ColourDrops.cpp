#include "widgets/ColourDrops.h"

#include "platform/ColourMime.h"

#include <QDropEvent>
#include <QWidget>

void ColourDrops::Accept(QWidget* target, std::function<void(OLE_COLOR)> take)
{
    target->setAcceptDrops(true);
    target->installEventFilter(new ColourDrops(target, std::move(take)));
}

ColourDrops::ColourDrops(QObject* parent, std::function<void(OLE_COLOR)> take)
    : QObject(parent)
    , m_take(std::move(take))
{
}

bool ColourDrops::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<OLE_COLOR> colour = ColourMime::ColourOf(drop->mimeData());
    if (!colour) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        m_take(*colour);
    return true;
}
