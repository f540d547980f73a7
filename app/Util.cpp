#include "app/Util.h"

#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "widgets/mDraw.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QUrl>
#include <QGuiApplication>
#include <QTimer>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace Util {

QString HomePage()
{
    const QString configured = QStringLiteral(TINTARO_HOME_PAGE);
    if (!configured.isEmpty())
        return configured;
    for (const char* candidate : {TINTARO_DOC_DIR "/user-guide.html", TINTARO_SOURCE_DIR "/docs/user-guide.html", TINTARO_SOURCE_DIR "/README.md"})
        if (QFileInfo::exists(QString::fromLocal8Bit(candidate)))
            return QUrl::fromLocalFile(QString::fromLocal8Bit(candidate)).toString();
    return QUrl::fromLocalFile(QStringLiteral(TINTARO_DOC_DIR "/README.md")).toString();
}

void OpenWebPage(const QString& address)
{
    platform().shell->openUrl(address);
}

namespace {

// Follows the pointer with the window while the button that started the drag
// is held; any event that shows it up ends the drag.
class ManualDrag : public QObject {
public:
    ManualDrag(QWidget* window, Qt::MouseButton button, QPointF globalPress)
        : QObject(window)
        , m_window(window)
        , m_button(button)
        , m_offset(globalPress - QPointF(window->pos()))
    {
        // The press may have landed on a child that keeps the implicit grab,
        // so the moves are taken wherever in the program they arrive.
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (!(move->buttons() & m_button)) {
                finish(); // its release went elsewhere
                return false;
            }
            m_window->move((move->globalPosition() - m_offset).toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == m_button) {
            finish();
            return true;
        }
        return false;
    }

private:
    void finish()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
    }

    QWidget* m_window;
    Qt::MouseButton m_button;
    QPointF m_offset;
};

} // namespace

void DragWindow(QWidget* window, Qt::MouseButton button, QPointF globalPress)
{
    if (button == Qt::NoButton)
        return;
    QWindow* handle = window->windowHandle();
    if (!platform().screen->clientPlacesWindows() && handle && handle->startSystemMove())
        return;
    new ManualDrag(window, button, globalPress);
}

void WhenWindowGone(QWidget* window, std::function<void()> then)
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

void DrawShadow(QImage& surface, const QRect& c, const QRect& within)
{
    const QRect shadow = QRect(QPoint(c.left() + 10, c.top() + 8), QPoint(c.left() + c.width() + 8, c.top() + c.height() + 10)) & within;
    if (!shadow.isEmpty())
        mDraw::FillInclusive(surface, shadow.left(), shadow.top(), shadow.right(), shadow.bottom(), Qt::black);
}

} // namespace Util
