#include "app/Util.h"

#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/Shell.h"
#include "widgets/mDraw.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace Util {

void OpenWebPage(const QString& address)
{
    platform().shell->openUrl(address);
}

namespace {

// Follows the pointer with the window until a button comes up; for desktops
// that refuse a system move.
class ManualDrag : public QObject {
public:
    explicit ManualDrag(QWidget* window)
        : QObject(window)
        , m_window(window)
        , m_offset(platform().pointer->cursorPos() - window->pos())
    {
        // The press may have landed on a child that keeps the implicit grab,
        // so the moves are taken wherever in the program they arrive.
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            m_window->move(platform().pointer->cursorPos() - m_offset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
            return true;
        }
        return false;
    }

private:
    QWidget* m_window;
    QPoint m_offset;
};

} // namespace

void DragWindow(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    new ManualDrag(window);
}

void DrawShadow(QImage& surface, const QRect& c)
{
    mDraw::FillInclusive(surface, c.left() + 10, c.top() + 8, c.left() + c.width() + 8, c.top() + c.height() + 10, Qt::black);
}

} // namespace Util
