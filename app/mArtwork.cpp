#include "app/mArtwork.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace mArtwork {

namespace {

// Renders an SVG resource at logical size, with some colours swapped for
// others (how the buttons get their hover and pressed faces).
QImage render(const QString& name, QSize size, qreal dpr, const QList<QPair<QString, QString>>& recolour = {})
{
    QFile file(QStringLiteral(":/resources/") + name);
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (const auto& [from, to] : recolour)
        svg.replace(from.toLatin1(), to.toLatin1());
    QImage img((QSizeF(size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter p(&img);
    renderer.render(&p);
    p.end();
    img.setDevicePixelRatio(dpr);
    return img;
}

QCursor cursor(const QString& name, QPoint hotSpot, qreal dpr)
{
    QPixmap pixmap = QPixmap::fromImage(render(name, QSize(32, 32), dpr));
    return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

} // namespace

QImage Banner(qreal dpr)
{
    return render(QStringLiteral("banner.svg"), QSize(468, 60), dpr);
}

QImage Button(const QString& kind, ButtonState state, qreal dpr)
{
    QList<QPair<QString, QString>> faces;
    if (state == ButtonState::Hover)
        faces = {{QStringLiteral("#4d6f9f"), QStringLiteral("#6f95c9")}, {QStringLiteral("#2a4470"), QStringLiteral("#40639a")}};
    else if (state == ButtonState::Down)
        faces = {{QStringLiteral("#4d6f9f"), QStringLiteral("#1c3050")}, {QStringLiteral("#2a4470"), QStringLiteral("#35557f")}};
    return render(QStringLiteral("button_%1.svg").arg(kind), QSize(21, 21), dpr, faces);
}

QCursor LinkCursor(qreal dpr)
{
    return cursor(QStringLiteral("cursor_link.svg"), QPoint(12, 2), dpr);
}

QCursor CaptureCursor(qreal dpr)
{
    return cursor(QStringLiteral("cursor_capture.svg"), QPoint(16, 16), dpr);
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(render(QStringLiteral("tintaro.svg"), QSize(side, side), 1.0)));
    return icon;
}

} // namespace mArtwork
