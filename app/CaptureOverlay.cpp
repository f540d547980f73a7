#include "app/CaptureOverlay.h"

#include <QPainter>

CaptureOverlay::CaptureOverlay(std::function<void(QPainter&, const QRect&)> draw)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint
                           | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
    , m_draw(std::move(draw))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptureOverlay::ShowAt(const QRect& area)
{
    if (geometry() != area)
        setGeometry(area);
    update();
    if (!isVisible())
        show();
}

void CaptureOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.translate(-geometry().topLeft());
    m_draw(p, geometry());
}
