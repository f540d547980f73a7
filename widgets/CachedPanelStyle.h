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
    // Everything a frame's drawing depends on.
    struct Panel {
        QString style;
        int width, height, dpr, state;
        qint64 palette;
        QRgb behind;
        int lineWidth;
        bool operator==(const Panel&) const = default;
        friend size_t qHash(const Panel& k, size_t seed = 0)
        {
            return qHashMulti(seed, k.style, k.width, k.height, k.dpr, k.state, k.palette, k.behind, k.lineWidth);
        }
    };
    mutable QHash<Panel, QPixmap> m_panels;
};
