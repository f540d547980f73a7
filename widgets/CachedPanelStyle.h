#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

class QLineEdit;

// Text boxes whose text changes on every pointer move (the read-outs and the
// channel boxes under a drag) would otherwise redraw their antialiased frame
// each time, and make their parent paint the corners behind it. The style
// draws the box's frame over its parent's plain background once per size and
// state and then copies it, so the box covers itself edge to edge: nothing
// behind it is painted again.
class CachedPanelStyle : public QProxyStyle {
public:
    // The box must stand on its parent's plain background colour.
    static void Apply(QLineEdit* box);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    CachedPanelStyle() = default;
    mutable QHash<QString, QPixmap> m_panels;
};
