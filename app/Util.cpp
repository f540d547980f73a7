#include "app/Util.h"

#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
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

} // namespace Util
