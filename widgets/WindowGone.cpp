#include "widgets/WindowGone.h"

#include "platform/Platform.h"
#include "platform/Screen.h"
#include "widgets/FramePacer.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace WindowGone {

namespace {

constexpr int LongestWaitMs = 500;

// Covers the whole window and clears every pixel of it to transparent: the
// children have drawn into the same surface below it.
class Clearing : public QWidget {
public:
    explicit Clearing(QWidget* window)
        : QWidget(window)
    {
        setGeometry(window->rect());
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(rect(), Qt::transparent);
    }
};

// Runs once when the window next receives an update request: on Wayland Qt
// delivers it only when the compositor says it has drawn the last frame
// the window sent. After LongestWaitMs it runs all the same.
class NextFrame : public QObject {
public:
    NextFrame(QWindow* handle, std::function<void()> then)
        : QObject(handle)
        , m_then(std::move(then))
    {
        handle->installEventFilter(this);
        QTimer::singleShot(LongestWaitMs, this, [this] { finish(); });
        handle->requestUpdate();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            QTimer::singleShot(0, this, [this] { finish(); });
        return false;
    }

private:
    void finish()
    {
        if (auto then = std::exchange(m_then, nullptr)) {
            deleteLater();
            then();
        }
    }
    std::function<void()> m_then;
};

void hideThen(QWidget* window, std::function<void()> then)
{
    window->hide();
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
        if (!gone && clock.elapsed() < LongestWaitMs)
            return;
        poll->stop();
        poll->deleteLater();
        platform().screen->RoundTrip();
        then();
    });
    poll->start();
}

} // namespace

void Prepare(QWidget* window)
{
    if (!platform().screen->clientPlacesWindows())
        window->setAttribute(Qt::WA_TranslucentBackground);
}

void Leave(QWidget* window, std::function<void()> then)
{
    QWindow* handle = window->windowHandle();
    if (!window->testAttribute(Qt::WA_TranslucentBackground) || !handle || !window->isVisible()) {
        hideThen(window, std::move(then));
        return;
    }
    auto* clearing = new Clearing(window);
    clearing->show();
    if (FramePacer* pacer = FramePacer::Of(window))
        pacer->AdmitNext();
    clearing->repaint(); // drawn and sent to the compositor now
    new NextFrame(handle, [window = QPointer<QWidget>(window), clearing = QPointer<Clearing>(clearing), then = std::move(then)] {
        if (!window)
            return;
        hideThen(window, then);
        delete clearing.data(); // the window is drawn whole again when it is shown
    });
}

} // namespace WindowGone
