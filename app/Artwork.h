#pragma once

#include <QByteArray>
#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QImage>

// The program's pictures, drawn from the SVG artwork it ships, at the
// screen's pixel ratio so they stay sharp on high-density displays.
namespace Artwork {

enum class ButtonState { Normal, Hover, Down };

// Starts drawing, on another thread, everything the main window shows from
// its first paint at this pixel ratio, so the pictures are ready when it asks
// for them; each picture drawn ahead is handed out once, later requests draw
// their own.
void DrawAhead(qreal devicePixelRatio);

// The 468 x 60 banner.
QImage Banner(qreal devicePixelRatio);
// A 21 x 21 title-area button: "menu", "minimise" or "close".
QImage Button(const QString& kind, ButtonState state, qreal devicePixelRatio);
// The pointer over the banner and the sample: a pointing hand.
QCursor LinkCursor(qreal devicePixelRatio);
// The 32 x 32 bullseye of the screen capture.
QCursor CaptureCursor(qreal devicePixelRatio);
QIcon ProgramIcon();

// Everything DrawAhead draws at this pixel ratio, drawn from the artwork now,
// by key. The build packs it for the common ratios, and DrawAhead takes what
// is stored for its ratio (Stored: empty for any other, or when damaged).
QHash<QString, QImage> DrawAll(qreal devicePixelRatio);
QByteArray Pack(const QHash<QString, QImage>& pictures);
QHash<QString, QImage> Unpack(const QByteArray& packed);
QHash<QString, QImage> Stored(qreal devicePixelRatio);

} // namespace Artwork
