#include "app/Artwork.h"

#include "app/MainDesign.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPixmap>

#include <cstring>
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

// Everything the main window shows from its first paint.
QList<QPair<Picture, qreal>> shownFirst(qreal dpr)
{
    QList<QPair<Picture, qreal>> pictures{{banner(), dpr}, {cursorPicture(LinkCursorName), dpr}, {cursorPicture(CaptureCursorName), dpr}};
    for (const char* kind : MainDesign::ButtonKinds)
        for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Down})
            pictures.append({button(QLatin1String(kind), state), dpr});
    for (int side : IconSides)
        pictures.append({icon(side), 1.0});
    return pictures;
}

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
// faces are the normal face with its two blues swapped for others. Qt's SVG
// image plugin draws them, so the SVG library is loaded only when a picture
// is drawn here rather than stored by the build.
QImage draw(const Picture& picture, qreal dpr)
{
    QFile file(QStringLiteral(":/resources/%1.svg").arg(picture.name));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (picture.state == ButtonState::Hover)
        svg.replace("#4d6f9f", "#6f95c9").replace("#2a4470", "#40639a");
    else if (picture.state == ButtonState::Down)
        svg.replace("#4d6f9f", "#1c3050").replace("#2a4470", "#35557f");
    const QSize pixels = (QSizeF(picture.size) * dpr).toSize();
    QBuffer source(&svg);
    QImageReader reader(&source, "svg");
    reader.setScaledSize(pixels);
    QImage img = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (img.size() != pixels) { // no SVG plugin: a blank picture of the right size
        img = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
    }
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
        const Drawn stored = Stored(dpr);
        return stored.isEmpty() ? DrawAll(dpr) : stored;
    });
}

QHash<QString, QImage> DrawAll(qreal dpr)
{
    Drawn drawn;
    for (const auto& [picture, ratio] : shownFirst(dpr))
        drawn.insert(keyOf(picture, ratio), draw(picture, ratio));
    return drawn;
}

// For each picture its key, ratio, size and premultiplied pixels,
// compressed: they come back exactly as drawn.
QByteArray Pack(const QHash<QString, QImage>& pictures)
{
    QByteArray stored;
    QDataStream out(&stored, QIODevice::WriteOnly);
    out << qint32(pictures.size());
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const QImage img = it->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        out << it.key() << img.devicePixelRatio() << img.size()
            << qCompress(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
    }
    return stored;
}

QHash<QString, QImage> Unpack(const QByteArray& packed)
{
    QDataStream in(packed);
    qint32 count = 0;
    in >> count;
    Drawn drawn;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString key;
        qreal ratio = 1;
        QSize size;
        QByteArray compressed;
        in >> key >> ratio >> size >> compressed;
        const QByteArray bits = qUncompress(compressed);
        QImage img(size, QImage::Format_ARGB32_Premultiplied);
        if (img.isNull() || bits.size() != img.sizeInBytes())
            return {}; // damaged: drawn from the artwork instead
        std::memcpy(img.bits(), bits.constData(), static_cast<std::size_t>(bits.size()));
        img.setDevicePixelRatio(ratio);
        drawn.insert(key, img);
    }
    return in.status() == QDataStream::Ok ? drawn : Drawn();
}

QHash<QString, QImage> Stored(qreal dpr)
{
    QFile file(QStringLiteral(":/prerendered/%1").arg(dpr));
    return file.open(QIODevice::ReadOnly) ? Unpack(file.readAll()) : Drawn();
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
