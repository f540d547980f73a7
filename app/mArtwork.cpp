#include "app/mArtwork.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <future>

namespace mArtwork {

namespace {

struct Picture {
    const char* name;
    QSize size;
    ButtonState state = ButtonState::Normal;
};

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
        .arg(QLatin1String(picture.name))
        .arg(picture.size.width())
        .arg(dpr)
        .arg(static_cast<int>(picture.state));
}

// Renders an SVG resource at logical size. The buttons' hover and pressed
// faces are the normal face with its two blues swapped for others.
QImage draw(const Picture& picture, qreal dpr)
{
    QFile file(QStringLiteral(":/resources/%1.svg").arg(QLatin1String(picture.name)));
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

constexpr const char* ButtonKinds[] = {"button_menu", "button_minimise", "button_close"};
constexpr int IconSides[] = {16, 32, 48, 64, 128};
constexpr QSize CursorSize(32, 32);

QCursor cursor(const char* name, QPoint hotSpot, qreal dpr)
{
    return QCursor(QPixmap::fromImage(render({name, CursorSize}, dpr)), hotSpot.x(), hotSpot.y());
}

} // namespace

void DrawAhead(qreal dpr)
{
    drawnAhead(); // what an earlier call drew stays available
    drawing() = std::async(std::launch::async, [dpr] {
        QList<QPair<Picture, qreal>> pictures{{{"banner", QSize(468, 60)}, dpr}};
        for (const char* kind : ButtonKinds)
            for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Down})
                pictures.append({{kind, QSize(21, 21), state}, dpr});
        for (int side : IconSides)
            pictures.append({{"tintaro", QSize(side, side)}, 1.0});
        pictures.append({{"cursor_link", CursorSize}, dpr});
        pictures.append({{"cursor_capture", CursorSize}, dpr});
        Drawn drawn;
        for (const auto& [picture, ratio] : pictures)
            drawn.insert(keyOf(picture, ratio), draw(picture, ratio));
        return drawn;
    });
}

QImage Banner(qreal dpr)
{
    return render({"banner", QSize(468, 60)}, dpr);
}

QImage Button(const QString& kind, ButtonState state, qreal dpr)
{
    const QByteArray name = "button_" + kind.toLatin1();
    return render({name.constData(), QSize(21, 21), state}, dpr);
}

QCursor LinkCursor(qreal dpr)
{
    return cursor("cursor_link", QPoint(12, 2), dpr);
}

QCursor CaptureCursor(qreal dpr)
{
    return cursor("cursor_capture", QPoint(16, 16), dpr);
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int side : IconSides)
        icon.addPixmap(QPixmap::fromImage(render({"tintaro", QSize(side, side)}, 1.0)));
    return icon;
}

} // namespace mArtwork
