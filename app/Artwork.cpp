#include "app/Artwork.h"

#include "app/MainDesign.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <future>

namespace Artwork {

namespace {

struct Picture {
    QString name; // of the SVG resource
    QSize size;   // logical
    ButtonState state = ButtonState::Normal;
};

// What each public function below draws, for it and for DrawAhead alike.
Picture banner() { return {QStringLiteral("banner"), QSize(468, 60)}; }
Picture button(const QString& kind, ButtonState state) { return {QStringLiteral("button_") + kind, QSize(21, 21), state}; }
Picture icon(int side) { return {QStringLiteral("tintaro"), QSize(side, side)}; }
const QString LinkCursorName = QStringLiteral("cursor_link");
const QString CaptureCursorName = QStringLiteral("cursor_capture");
Picture cursorPicture(const QString& name) { return {name, QSize(32, 32)}; }
constexpr int IconSides[] = {16, 32, 48, 64, 128};

// Pictures drawn ahead on another thread, by the key of what they show.
using Drawn = QHash<QString, QImage>;

std::future<Drawn>& drawing()
{
    static std::future<Drawn> pending;
    return pending;
}

Drawn& drawnAhead()
{
    static Drawn drawn;
    if (drawing().valid())
        drawn.insert(drawing().get());
    return drawn;
}

QString keyOf(const Picture& picture, qreal dpr)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(picture.name)
        .arg(picture.size.width())
        .arg(dpr)
        .arg(static_cast<int>(picture.state));
}

// Renders an SVG resource at logical size. The buttons' hover and pressed
// faces are the normal face with its two blues swapped for others.
QImage draw(const Picture& picture, qreal dpr)
{
    QFile file(QStringLiteral(":/resources/%1.svg").arg(picture.name));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (picture.state == ButtonState::Hover)
        svg.replace("#4d6f9f", "#6f95c9").replace("#2a4470", "#40639a");
    else if (picture.state == ButtonState::Down)
        svg.replace("#4d6f9f", "#1c3050").replace("#2a4470", "#35557f");
    QImage img((QSizeF(picture.size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter p(&img);
    renderer.render(&p);
    p.end();
    img.setDevicePixelRatio(dpr);
    return img;
}

QImage render(const Picture& picture, qreal dpr)
{
    const QImage ahead = drawnAhead().take(keyOf(picture, dpr));
    return ahead.isNull() ? draw(picture, dpr) : ahead;
}

QCursor cursor(const QString& name, QPoint hotSpot, qreal dpr)
{
    return QCursor(QPixmap::fromImage(render(cursorPicture(name), dpr)), hotSpot.x(), hotSpot.y());
}

} // namespace

void DrawAhead(qreal dpr)
{
    drawnAhead(); // what an earlier call drew stays available
    drawing() = std::async(std::launch::async, [dpr] {
        QList<QPair<Picture, qreal>> pictures{{banner(), dpr}, {cursorPicture(LinkCursorName), dpr}, {cursorPicture(CaptureCursorName), dpr}};
        for (const char* kind : MainDesign::ButtonKinds)
            for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Down})
                pictures.append({button(QLatin1String(kind), state), dpr});
        for (int side : IconSides)
            pictures.append({icon(side), 1.0});
        Drawn drawn;
        for (const auto& [picture, ratio] : pictures)
            drawn.insert(keyOf(picture, ratio), draw(picture, ratio));
        return drawn;
    });
}

QImage Banner(qreal dpr)
{
    return render(banner(), dpr);
}

QImage Button(const QString& kind, ButtonState state, qreal dpr)
{
    return render(button(kind, state), dpr);
}

QCursor LinkCursor(qreal dpr)
{
    return cursor(LinkCursorName, QPoint(12, 2), dpr);
}

QCursor CaptureCursor(qreal dpr)
{
    return cursor(CaptureCursorName, QPoint(16, 16), dpr);
}

QIcon ProgramIcon()
{
    QIcon sizes;
    for (int side : IconSides)
        sizes.addPixmap(QPixmap::fromImage(render(icon(side), 1.0)));
    return sizes;
}

} // namespace Artwork
