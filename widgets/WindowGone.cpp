#include "widgets/WindowGone.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace WindowGone {

void WhenGone(QWidget* window, std::function<void()> then)
{
    // Polled from the event loop, so the window system's unmap and the
    // compositor's repaint can happen; a window that stays is photographed
    // after half a second.
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
        // A moment more: what was behind the window gets repainted.
        QTimer::singleShot(gone ? 50 : 0, window, then);
    });
    poll->start();
}

} // namespace WindowGone

