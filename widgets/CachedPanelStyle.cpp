#include "widgets/CachedPanelStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>

void CachedPanelStyle::Apply(QLineEdit* box)
{
    static auto* const style = [] {
        auto* s = new CachedPanelStyle;
        s->setParent(qApp); // follows the application's own style, goes with it
        return s;
    }();
    box->setStyle(style);
    box->setAttribute(Qt::WA_OpaquePaintEvent);
}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const QWidget* parent = widget ? widget->parentWidget() : nullptr;
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !parent || !frame) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QColor behind = parent->palette().color(parent->backgroundRole());
    const qreal dpr = painter->device()->devicePixelRatio();
    // At a fractional ratio the box may start between device pixels, where a
    // copy would not match a drawing; there the frame is drawn each time.
    if (dpr != qRound(dpr)) {
        painter->fillRect(option->rect, behind);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const Panel key{baseStyle()->name(), option->rect.width(), option->rect.height(), qRound(dpr),
                    static_cast<int>(option->state), option->palette.cacheKey(), behind.rgba(), frame->lineWidth};
    // A few sizes and states in use; a theme or palette change adds more.
    if (m_panels.size() > 64 && !m_panels.contains(key))
        m_panels.clear();
    QPixmap& panel = m_panels[key];
    if (panel.isNull()) {
        panel = QPixmap(option->rect.size() * dpr);
        panel.setDevicePixelRatio(dpr);
        panel.fill(behind);
        QPainter p(&panel);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(element, &atOrigin, &p, widget);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}
