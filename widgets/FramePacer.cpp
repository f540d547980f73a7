#include "widgets/FramePacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QtMath>
#include <utility>

FramePacer* FramePacer::Pace(QWidget* window)
{
    return new FramePacer(window);
}

FramePacer* FramePacer::Of(QWidget* window)
{
    return window->findChild<FramePacer*>(QString(), Qt::FindDirectChildrenOnly);
}

FramePacer::FramePacer(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    m_due.setSingleShot(true);
    m_due.setTimerType(Qt::PreciseTimer);
    connect(&m_due, &QTimer::timeout, this, [this] {
        // Qt asks for no second paint while one is pending: this is it.
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    window->installEventFilter(this);
}

int FramePacer::Wait(qint64 sinceLast, int frameMs)
{
    if (sinceLast < 0 || sinceLast >= frameMs)
        return 0;
    return int(frameMs - sinceLast);
}

int FramePacer::frameMs() const
{
    const QScreen* screen = m_window->screen();
    const qreal hz = screen ? screen->refreshRate() : 60.0;
    // A screen that reports nothing sensible is taken to be 60 Hz.
    return hz >= 24 && hz <= 500 ? qMax(1, qFloor(1000.0 / hz)) : 16;
}

bool FramePacer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Show) {
        emit Frame(); // shown again: painted whole, and now
        return false;
    }
    if (event->type() != QEvent::UpdateRequest)
        return false;
    const int wait = std::exchange(m_admitNext, false) ? 0 : Wait(m_last.isValid() ? m_last.elapsed() : -1, frameMs());
    if (wait > 0) {
        if (!m_due.isActive())
            m_due.start(wait);
        return true; // the changes wait for their frame, together
    }
    m_due.stop();
    m_last.restart();
    emit Frame();
    return false;
}
