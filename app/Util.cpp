#include "app/Util.h"

#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "widgets/SurfaceDraw.h"
#include "widgets/WindowDrag.h"

#include <QWidget>
#include <QWindow>

namespace Util {

void OpenWebPage(const QString& address)
{
    platform().shell->openUrl(address);
}

void DragWindow(QWidget* window, Qt::MouseButton button, QPointF globalPress)
{
    if (button == Qt::NoButton)
        return;
    QWindow* handle = window->windowHandle();
    if (!platform().screen->clientPlacesWindows() && handle && handle->startSystemMove())
        return;
    WindowDrag::Start(window, button, globalPress);
}

void DrawShadow(QImage& surface, const QRect& c, const QRect& within)
{
    const QRect shadow = QRect(QPoint(c.left() + 10, c.top() + 8), QPoint(c.left() + c.width() + 8, c.top() + c.height() + 10)) & within;
    if (!shadow.isEmpty())
        SurfaceDraw::FillInclusive(surface, shadow.left(), shadow.top(), shadow.right(), shadow.bottom(), Qt::black);
}

} // namespace Util
