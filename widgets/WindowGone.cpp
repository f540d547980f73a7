#include "widgets/WindowGone.h"

#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace WindowGone {

void WhenGone(QWidget* window, std::function<void()> then)
{
    // Polled from the event loop, so Qt can send the unmapping; the round
    // trip then makes sure the server has acted on it, however busy it is,
    // before anyone asks it for a photograph.
    auto* poll = new QTimer(window);
    QElapsedTimer clock;
    clock.start();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, window, [window, poll, clock, then = std::move(then)] {
        QWindow* handle = window->windowHandle();
        const bool gone = !window->isVisible() || !handle || !handle->isExposed();
        if (!gone && clock.elapsed() < 500)
            return;
        poll->stop();
        poll->deleteLater();
        platform().screen->RoundTrip();
        then();
    });
    poll->start();
}

} // namespace WindowGone
