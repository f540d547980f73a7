#include "widgets/SurfaceBox.h"

#include "colour/OleColor.h"
#include "widgets/SurfaceDraw.h"
#include "widgets/MouseArgs.h"
#include "platform/QtColour.h"

#include <QMouseEvent>

#include <QPainter>
#include <utility>

SurfaceBox::SurfaceBox(QWidget* parent, Border border)
    : QWidget(parent)
    , m_border(border)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    syncSurfaceSize();
    if (m_surface.isNull())
        return;
    QPainter p(&m_surface);
    p.drawImage(0, 0, picture);
    update();
}

void SurfaceBox::drawLater(std::function<void(QImage&)> draw)
{
    syncSurfaceSize();
    m_pending = std::move(draw);
    update();
}

void SurfaceBox::drawPending() const
{
    if (const auto draw = std::exchange(m_pending, nullptr))
        draw(m_surface);
}

std::int32_t SurfaceBox::GetPixel(int x, int y) const
{
    drawPending();
    if (!m_surface.valid(x, y))
        return -1;
    return FromQRgb(m_surface.pixel(x, y));
}

void SurfaceBox::resizeEvent(QResizeEvent*)
{
    syncSurfaceSize();
}

void SurfaceBox::syncSurfaceSize()
{
    const QSize inner(std::max(0, width() - 2 * borderWidth()), std::max(0, height() - 2 * borderWidth()));
    if (inner == m_surface.size())
        return;
    // Keep what was drawn; new area starts in the background colour.
    QImage grown(inner, QImage::Format_RGB32);
    grown.fill(palette().color(backgroundRole()));
    if (!grown.isNull() && !m_surface.isNull())
        QPainter(&grown).drawImage(0, 0, m_surface);
    m_surface = grown;
}

void SurfaceBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_border != NoBorder) {
        if (m_frame.size() != size()) { // drawn once per size, not on every paint
            m_frame = QImage(size(), QImage::Format_RGB32);
            // The inside is covered by the drawing area, but on a screen
            // scaled by a fraction a row or column of it can show.
            m_frame.fill(palette().color(backgroundRole()));
            const auto colours = SurfaceDraw::EdgeColours::FromPalette(palette());
            if (m_border == SunkenBorder)
                SurfaceDraw::DrawEdge(m_frame, {0, 0, width(), height()}, SurfaceDraw::EDGE_SUNKEN, SurfaceDraw::BF_RECT, colours);
            else
                SurfaceDraw::FillRect(m_frame, {0, 0, width(), height()}, palette().color(QPalette::WindowText));
        }
        p.drawImage(0, 0, m_frame);
    }
    syncSurfaceSize();
    drawPending();
    p.drawImage(borderWidth(), borderWidth(), m_surface);
}

void SurfaceBox::mousePressEvent(QMouseEvent* event)
{
    const MouseArgs::Args a = MouseArgs::Translate(event, QPointF(borderWidth(), borderWidth()));
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
}

void SurfaceBox::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArgs::Args a = MouseArgs::Translate(event, QPointF(borderWidth(), borderWidth()));
    emit MouseMove(a.Button, a.Shift, a.X, a.Y);
}
