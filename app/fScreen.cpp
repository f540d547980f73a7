#include "app/fScreen.h"

#include "picker/Quor_Colorpicker.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/QtColour.h"
#include "platform/Screen.h"
#include "platform/ScreenBackdrop.h"
#include "widgets/KeyMoves.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int HintMs = 4000;

} // namespace

fScreen::fScreen()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Tintaro")); // for window lists; it shows no caption
    m_hintTimer.setSingleShot(true);
    connect(&m_hintTimer, &QTimer::timeout, this, &fScreen::hideHint);
}

void fScreen::setPicture(const QImage& photograph, const QRect& area, std::shared_ptr<ScreenBackdrop> backdrop)
{
    m_photo = photograph;
    m_area = area;
    m_backdrop = std::move(backdrop);
    if (!isVisible())
        return;
    // Up already, the screen showing through: the photograph goes behind,
    // then what is drawn over it, and what was asked meanwhile is done.
    keepBehind();
    update();
    showHint();
    if (m_early) {
        const std::optional<QPointF> early = std::exchange(m_early, std::nullopt);
        Picture1_MouseDown(*early);
    }
}

QPaintEngine* fScreen::paintEngine() const
{
    return m_kept ? nullptr : QWidget::paintEngine();
}

bool fScreen::waitsForPhoto() const
{
    return m_photo.isNull() && platform().screen->showsThrough();
}

QPoint fScreen::deviceOffset() const
{
    return (QPointF(geometry().topLeft() - m_area.topLeft()) * ratio()).toPoint();
}

void fScreen::keepBehind()
{
    // The window system shows the photograph itself: nothing of this window
    // is painted, so no window-sized image is drawn, held or sent.
    winId(); // the native window, to take the photograph as its background
    // With no photograph yet, where the screen shows through a window that
    // paints nothing, the window is up at once and the photograph is taken
    // from behind it: what it shows is the same.
    const bool throughNow = isVisible() && m_kept; // showing the screen, which the photograph is
    m_kept = waitsForPhoto() || (m_backdrop && m_backdrop->ShowBehind(windowHandle(), deviceOffset(), !throughNow));
    setAttribute(Qt::WA_PaintOnScreen, m_kept);
    if (m_kept && !m_loupeWindow) {
        m_loupeWindow = overlay(&fScreen::drawLoupe);
        m_hintWindow = overlay(&fScreen::drawHint);
    }
}

std::unique_ptr<CaptureOverlay> fScreen::overlay(void (fScreen::*draw)(QPainter&) const)
{
    return std::make_unique<CaptureOverlay>([this, draw](QPainter& p, const QRect& area) {
        // The photograph under it first, then what it shows, at this window's
        // own coordinates.
        const QPoint origin = mapToGlobal(QPoint(0, 0));
        p.translate(origin);
        drawPhoto(p, area.translated(-origin));
        (this->*draw)(p);
    });
}

void fScreen::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_kept && m_backdrop) // placed elsewhere by the window manager: the photograph follows
        m_backdrop->ShowBehind(windowHandle(), deviceOffset());
}

void fScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_kept && m_backdrop)
        m_backdrop->ShowBehind(windowHandle(), deviceOffset());
}

void fScreen::ShowOver(const QRect& area)
{
    m_before = m_target ? m_target->Color() : 0;
    m_pointedColour = m_before;
    m_taken = false;
    m_closed = false;
    m_pixel = QPoint(-1, -1);
    m_loupe = {};
    const Screen& screen = *platform().screen;
    const QList<QRect> screens = screen.screenAreas();
    const bool oneScreen = screens.size() <= 1 || screens.contains(area);
    // Full screen rather than merely screen-sized: above panels, and the only
    // way to cover a screen where clients cannot place windows. Across
    // several monitors: placed by the program itself, past the window
    // manager, which would keep it to one; the keyboard comes along. So too
    // before the photograph, where the screen shows through: a window
    // manager's frame would be painted first and be what shows.
    const bool fullScreen = !waitsForPhoto() && (oneScreen || !screen.windowsSpanScreens());
    setWindowFlag(Qt::X11BypassWindowManagerHint, !fullScreen);
    setGeometry(area);
    keepBehind();
    if (fullScreen) {
        showFullScreen();
    } else {
        show();
        raise();
        grabKeyboard();
    }
    activateWindow();
    setFocus();
    if (!m_photo.isNull())
        showHint();
}

void fScreen::showHint()
{
    // The hint goes across the top of the screen the pointer is on.
    const QRect pointed = screenAround(mapFromGlobal(platform().pointer->cursorPos()));
    m_hintRect = QRect(pointed.left(), pointed.top(), pointed.width(), 28);
    m_hintShown = true;
    m_hintTimer.start(HintMs);
    if (m_kept)
        m_hintWindow->ShowAt(global(m_hintRect));
    else
        update(m_hintRect);
}

QRect fScreen::screenAround(QPoint local) const
{
    const QPoint global = mapToGlobal(local);
    for (const QRect& s : platform().screen->screenAreas())
        if (s.contains(global))
            return QRect(mapFromGlobal(s.topLeft()), s.size()).intersected(rect());
    return rect();
}

qreal fScreen::ratio() const
{
    return m_photo.isNull() ? 1.0 : m_photo.devicePixelRatio();
}

QPoint fScreen::deviceOrigin() const
{
    return (QPointF(m_area.topLeft()) * ratio()).toPoint();
}

void fScreen::hideHint()
{
    if (!m_hintShown)
        return;
    m_hintShown = false;
    m_hintTimer.stop();
    if (m_kept)
        m_hintWindow->hide();
    else
        update(m_hintRect);
}

void fScreen::paintEvent(QPaintEvent* event)
{
    if (m_kept) {
        // Shown, perhaps by a window manager that stacked it over what was
        // shown before it: the overlays go back on top.
        for (CaptureOverlay* o : {m_loupeWindow.get(), m_hintWindow.get()})
            if (o->isVisible())
                o->raise();
        return;
    }
    QPainter p(this);
    const QRect dirty = event->rect();
    drawPhoto(p, dirty);
    if (m_loupe.whole().intersects(dirty))
        drawLoupe(p);
    if (m_hintShown && m_hintRect.intersects(dirty))
        drawHint(p);
}

void fScreen::drawPhoto(QPainter& p, const QRect& dirty) const
{
    p.fillRect(dirty, Qt::black); // where the photograph is missing or smaller
    if (m_photo.isNull())
        return;
    // The part of the desktop this window covers, pixel for pixel.
    const qreal dpr = ratio();
    const QPointF origin = QPointF(mapToGlobal(QPoint(0, 0)) - m_area.topLeft()) * dpr;
    p.drawImage(QRectF(dirty), m_photo, QRectF(origin + QPointF(dirty.topLeft()) * dpr, QSizeF(dirty.size()) * dpr));
}

void fScreen::drawHint(QPainter& p) const
{
    p.fillRect(m_hintRect, QColor(0, 0, 0, 190));
    p.setPen(Qt::white);
    p.drawText(m_hintRect, Qt::AlignCenter, CaptureLoupe::Hint());
}

void fScreen::drawLoupe(QPainter& p) const
{
    if (!m_photo.valid(m_pixel))
        return;
    using namespace CaptureLoupe;
    const int half = Cells / 2;
    // Nearest neighbour, cell by cell: each photograph pixel a clear square.
    for (int dy = -half; dy <= half; ++dy)
        for (int dx = -half; dx <= half; ++dx) {
            const QPoint source = m_pixel + QPoint(dx, dy);
            const QColor c = m_photo.valid(source) ? QColor(m_photo.pixel(source)) : QColor(Qt::black);
            p.fillRect(m_loupe.loupe.left() + (dx + half) * Zoom, m_loupe.loupe.top() + (dy + half) * Zoom, Zoom, Zoom, c);
        }
    p.setPen(QColor(128, 128, 128, 110));
    for (int i = 1; i < Cells; ++i) {
        p.drawLine(m_loupe.loupe.left() + i * Zoom, m_loupe.loupe.top(), m_loupe.loupe.left() + i * Zoom, m_loupe.loupe.bottom());
        p.drawLine(m_loupe.loupe.left(), m_loupe.loupe.top() + i * Zoom, m_loupe.loupe.right(), m_loupe.loupe.top() + i * Zoom);
    }
    const QRgb centre = m_photo.pixel(m_pixel);
    p.setPen(QPen(OutlineFor(centre), 2));
    p.drawRect(QRect(m_loupe.loupe.left() + half * Zoom, m_loupe.loupe.top() + half * Zoom, Zoom, Zoom).adjusted(1, 1, -1, -1));
    p.setPen(Qt::black);
    p.drawRect(m_loupe.loupe.adjusted(0, 0, -1, -1));
    p.fillRect(m_loupe.readout, QColor(32, 32, 32));
    p.setPen(Qt::white);
    p.drawText(m_loupe.readout, Qt::AlignCenter, Readout(centre, m_pixel + deviceOrigin()));
}

QPoint fScreen::PixelAt(QPointF global) const
{
    // A pointer on device pixel n lies at n / ratio logical pixels, which
    // may not come back as exactly n: a hair more keeps it in its pixel.
    const QPointF at = (global - QPointF(m_area.topLeft())) * ratio();
    return QPoint(static_cast<int>(std::floor(at.x() + 1e-6)), static_cast<int>(std::floor(at.y() + 1e-6)));
}

void fScreen::SampleAt(QPointF global)
{
    QPoint pixel = PixelAt(global);
    // Where the window system knows the pointer to the device pixel, that
    // pixel, as long as it is the one this event reported (the pointer may
    // have moved on since).
    if (const std::optional<QPoint> device = platform().pointer->devicePos()) {
        const QPoint exact = *device - deviceOrigin();
        if ((exact - pixel).manhattanLength() <= 2 * qCeil(ratio()))
            pixel = exact;
    }
    pointAt(pixel);
}

void fScreen::pointAt(QPoint pixel)
{
    m_pixel = pixel;
    const QRgb c = m_photo.valid(pixel) ? m_photo.pixel(pixel) : qRgb(0, 0, 0);
    m_pointedColour = FromQRgb(c);
    if (m_target)
        m_target->setColor(m_pointedColour);

    // Only what the loupe leaves and what it now covers is drawn again.
    const QPoint local = mapFromGlobal((QPointF(pixel) / ratio() + QPointF(m_area.topLeft())).toPoint());
    if (!m_magnifier)
        return;
    const QRect before = m_loupe.whole();
    m_loupe = CaptureLoupe::Place(local, screenAround(local));
    if (m_kept)
        m_loupeWindow->ShowAt(global(m_loupe.whole()));
    else
        update(QRegion(before).united(m_loupe.whole()));
}

void fScreen::take()
{
    m_taken = true;
    close();
}

void fScreen::Picture1_MouseMove(QPointF global)
{
    if (m_photo.isNull())
        return; // the photograph is on its way
    hideHint();
    SampleAt(global);
}

void fScreen::Picture1_MouseDown(QPointF global)
{
    if (m_photo.isNull()) {
        m_early = global; // taken as soon as the photograph is there
        return;
    }
    SampleAt(global);
    take();
}

void fScreen::mouseMoveEvent(QMouseEvent* event)
{
    // The global position keeps the fraction a scaled screen gives; the
    // local one is rounded to whole logical pixels on its way here.
    Picture1_MouseMove(event->globalPosition());
}

void fScreen::mousePressEvent(QMouseEvent* event)
{
    Picture1_MouseDown(event->globalPosition());
}

void fScreen::keyPressEvent(QKeyEvent* event)
{
    const QPoint move = KeyMoves::ArrowMove(event->key(), event->modifiers() & Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_photo.isNull())
            return Picture1_MouseDown(platform().pointer->cursorPos());
        if (!m_photo.valid(m_pixel))
            SampleAt(platform().pointer->cursorPos());
        take();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_photo.isNull())
        return;
    hideHint();
    if (!m_photo.valid(m_pixel))
        m_pixel = PixelAt(platform().pointer->cursorPos());
    const QPoint to(std::clamp(m_pixel.x() + move.x(), 0, std::max(0, m_photo.width() - 1)),
                    std::clamp(m_pixel.y() + move.y(), 0, std::max(0, m_photo.height() - 1)));
    // The pointer goes along where the window system lets a program move it.
    platform().pointer->warpToDevice(to + deviceOrigin());
    pointAt(to);
}

void fScreen::Form_Unload()
{
    if (m_kept) {
        m_loupeWindow->hide();
        m_hintWindow->hide();
        m_kept = false;
        setAttribute(Qt::WA_PaintOnScreen, false);
    }
    // The photograph goes with the window, from the program and the server.
    m_photo = QImage();
    m_backdrop.reset();
    m_early.reset();
    m_hintTimer.stop();
    releaseKeyboard();
    emit finished(m_taken, m_taken ? m_pointedColour : m_before);
}

void fScreen::closeEvent(QCloseEvent* event)
{
    // Escape and the window manager's close cancel: the picker gets back the
    // colour it had, in one assignment.
    if (m_closed)
        return event->accept(); // a second close changes nothing more
    m_closed = true;
    if (!m_taken && m_target)
        m_target->setColor(m_before);
    Form_Unload();
    event->accept();
}
