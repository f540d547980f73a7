#include "widgets/ColourDragSource.h"

#include "platform/DragDrop.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

void ColourDragSource::Enable(QWidget* source, std::function<OLE_COLOR()> colour)
{
    source->installEventFilter(new ColourDragSource(source, std::move(colour)));
}

ColourDragSource::ColourDragSource(QWidget* source, std::function<OLE_COLOR()> colour)
    : QObject(source)
    , m_source(source)
    , m_colour(std::move(colour))
{
}

bool ColourDragSource::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        m_pressed = press->button() == Qt::LeftButton;
        m_pressedAt = press->position().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!m_pressed || !(move->buttons() & Qt::LeftButton)
            || (move->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return false;
        m_pressed = false; // the drag takes the release
        platform().dragDrop->dragColour(m_source, m_colour());
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        return false;
    default:
        return false;
    }
}
