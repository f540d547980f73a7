#include "sliders/vRGBSliders.h"

#include "colour/mCPUtils.h"
#include "platform/Platform.h"
#include "platform/PopupMenu.h"
#include "sliders/ChannelBox.h"
#include "sliders/RampSource.h"
#include "sliders/RampPictures.h"
#include "sliders/SliderRules.h"
#include "widgets/Accessibility.h"
#include "widgets/DesignFonts.h"
#include "widgets/PropertyBag.h"
#include "widgets/SurfaceBox.h"
#include "widgets/SurfaceDraw.h"
#include "widgets/MouseArgs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <cstring>

using mCPUtils::RoundHalfEven;
using namespace SliderRules;

namespace {

constexpr int RedrawDelayMs = 25;
constexpr const char* ChannelKeys[3] = {"cRedValue", "cGreenValue", "cBlueValue"};
constexpr const char* ChannelCaptions[3] = {"R", "G", "B"};
constexpr int LabelTops[3] = {0, 24, 48};
constexpr QRect PicRampGeometry{4, 80, 202, 19};
constexpr int ImgRampTops[4] = {116, 136, 156, 176};

bool fitsIn16Bits(int v)
{
    return v >= -32768 && v <= 32767;
}

} // namespace

vRGBSliders::vRGBSliders(QWidget* parent)
    : QWidget(parent)
    , m_picRGB(new SurfaceBox(this, SurfaceBox::SunkenBorder))
    , m_picRamp(new SurfaceBox(this, SurfaceBox::SunkenBorder))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(DesignFonts::Font(QStringLiteral("MS Sans Serif"), 8));

    tmrDraw.setSingleShot(true);
    tmrDraw.setInterval(RedrawDelayMs);
    connect(&tmrDraw, &QTimer::timeout, this, &vRGBSliders::tmrDraw_Timer);

    for (int k = 0; k < 3; ++k) {
        auto* label = new QLabel(QLatin1String(ChannelCaptions[k]), this);
        label->setGeometry(0, LabelTops[k], 9, 13);
        m_lblColor[static_cast<std::size_t>(k)] = label;

        auto* box = new ChannelBox(this);
        connect(box, &QLineEdit::textChanged, this, [this, k] { txtColor_Change(k); });
        connect(box, &ChannelBox::MenuRequested, this, [this, box] { OpenRampMenu(box->mapToGlobal(QPoint(0, box->height()))); });
        connect(box, &ChannelBox::Step, this, [this, k](int delta) {
            setBoxText(k, QString::number(qBound(0, boxValue(k) + delta, 255)));
        });
        m_txtColor[static_cast<std::size_t>(k)] = box;
    }
    setTabOrder(m_txtColor[0], m_txtColor[1]);
    setTabOrder(m_txtColor[1], m_txtColor[2]);
    Accessibility::Hide(m_picRGB), Accessibility::Hide(m_picRamp);
    m_picRGB->resize(SliderGeometry::PicRGBSize);
    m_picRamp->setGeometry(PicRampGeometry);
    m_picRamp->setPicture(RampPictures::RampPicture(0));
    m_picRamp->setCursor(RampPictures::RampCursor());
    for (int i = 0; i < 4; ++i) {
        auto* img = new QLabel(this);
        img->setPixmap(QPixmap::fromImage(RampPictures::RampPicture(i)));
        img->setGeometry(4, ImgRampTops[i], RampPictures::Width, RampPictures::Height);
        Accessibility::Hide(img); // pictures only: the boxes carry the numbers
        m_imgRamp[static_cast<std::size_t>(i)] = img;
    }
    MouseArgs::KeepMouseEventsInChildren(this);
    UserControl_Resize();
}

vRGBSliders::~vRGBSliders() = default;

// ---- properties -----------------------------------------------------------

void vRGBSliders::setChannel(int k, int v)
{
    m_channel[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(qBound(0, v, 255));
    emit PropertyChanged(QLatin1String(ChannelKeys[k]));
    setBoxText(k, QString::number(m_channel[static_cast<std::size_t>(k)]));
}

bool vRGBSliders::setBorderStyle(int v)
{
    if (!fitsIn16Bits(v))
        return false;
    m_borderStyle = static_cast<std::int16_t>(v);
    emit PropertyChanged(QStringLiteral("BorderStyle"));
    startRedraw();
    DrawMarkers();
    return true;
}

bool vRGBSliders::setcRampStyle(int v)
{
    if (!fitsIn16Bits(v))
        return false;
    m_menu.setRampStyle(v);
    emit PropertyChanged(QStringLiteral("cRampStyle"));
    mnuRamp_Click(v);
    return true;
}

QString vRGBSliders::HTMLColor() const
{
    return HtmlOfChannels(m_channel[0], m_channel[1], m_channel[2]);
}

// ---- entry boxes ----------------------------------------------------------

void vRGBSliders::setBoxText(int k, const QString& text)
{
    QLineEdit* box = m_txtColor[static_cast<std::size_t>(k)];
    if (box->text() != text)
        box->setText(text); // textChanged runs txtColor_Change before this returns
}

void vRGBSliders::setBoxes(const std::array<int, 3>& values)
{
    for (int k = 0; k < 3; ++k)
        setBoxText(k, QString::number(values[static_cast<std::size_t>(k)]));
}

int vRGBSliders::boxValue(int k) const
{
    return LeadingNumber(m_txtColor[static_cast<std::size_t>(k)]->text());
}

void vRGBSliders::txtColor_Change(int index)
{
    QLineEdit* box = m_txtColor[static_cast<std::size_t>(index)];
    if (box->text().isEmpty()) {
        setBoxText(index, QStringLiteral("0"));
        box->setSelection(0, static_cast<int>(box->text().size()));
    }
    const int n = LeadingNumber(box->text());
    if (n < 0)
        setBoxText(index, QStringLiteral("0"));
    else if (n > 255)
        setBoxText(index, QStringLiteral("255"));
    else if (!IsPlainDigits(box->text()))
        // Pasted text such as "12ab" or " 7": keep the number it starts with,
        // so the box always shows the value the channel holds.
        setBoxText(index, QString::number(n));

    for (int k = 0; k < 3; ++k)
        m_channel[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(qBound(0, boxValue(k), 255));
    m_currentColor = RGB(m_channel[0], m_channel[1], m_channel[2]);
    startRedraw();
    PlaceMarkers();
    emit Change();
}

// ---- taking a colour from elsewhere ---------------------------------------

void vRGBSliders::GetFromRamp(int Button, int Shift, double x, double y, const RampSource& iSrc)
{
    Q_UNUSED(Shift);
    if (Button == 1) {
        const int style = m_menu.RampStyle();
        if (style != 0 && style != 1)
            return;
        const Channels c = ChannelsOf(iSrc.GetPixel(RoundHalfEven(x), RoundHalfEven(y)));
        if (style == 0 && !WebSafe())
            return setBoxes({c.red, c.green, c.blue});
        if (style == 0) {
            setBoxes({WebSafeLevel(c.red), WebSafeLevel(c.green), WebSafeLevel(c.blue)});
        } else {
            const int grey = GreyLevel(c.red, c.green, c.blue);
            setBoxes({grey, grey, grey});
        }
        startRedraw();
        PlaceMarkers();
    } else if (Button == 2) {
        OpenRampMenu(mapToGlobal(QPoint(RoundHalfEven(x), iSrc.Top())));
    }
}

void vRGBSliders::OpenRampMenu(QPoint globalPos)
{
    QList<PopupMenu::Item> items;
    for (int i = 0; i < 4; ++i)
        items.append({i, m_menu.Caption(i), m_menu.Checked(i)});
    const int chosen = platform().menus->popup(items, globalPos);
    if (chosen >= 0)
        mnuRamp_Click(chosen);
}

// ---- ramp style menu ------------------------------------------------------

void vRGBSliders::mnuRamp_Click(int index)
{
    m_menu.Choose(index, [this](int picture) { m_picRamp->setPicture(RampPictures::RampPicture(picture)); }, [this] {
        for (int k = 0; k < 3; ++k)
            setBoxText(k, QString::number(WebSafeLevel(boxValue(k))));
    });
    RampPictures::ClearSwatch(m_picRamp->surface());
    m_picRamp->changed();
    startRedraw();
    DrawMarkers();
}

// ---- persistence ----------------------------------------------------------

void vRGBSliders::UserControl_InitProperties()
{
    m_menu.setRampStyle(0);
    m_currentColor = 0;
    m_borderStyle = 0;
    m_channel = {0, 0, 0};
}

void vRGBSliders::UserControl_ReadProperties(const PropertyBag& bag)
{
    const auto read16 = [&](const char* key) {
        return static_cast<std::int16_t>(bag.ReadProperty(QLatin1String(key), QVariant::fromValue<qint16>(0)).toInt());
    };
    for (int k = 0; k < 3; ++k)
        m_channel[static_cast<std::size_t>(k)] = read16(ChannelKeys[k]);
    m_borderStyle = read16("BorderStyle");
    m_currentColor = bag.ReadProperty(QStringLiteral("CurrentColor"), QVariant::fromValue<qint32>(0)).toInt();
    m_picRamp->setPicture(RampPictures::RampPicture(m_menu.Load(read16("cRampStyle"))));
}

void vRGBSliders::UserControl_WriteProperties(PropertyBag& bag) const
{
    const QVariant zero16 = QVariant::fromValue<qint16>(0);
    for (int k = 0; k < 3; ++k)
        bag.WriteProperty(QLatin1String(ChannelKeys[k]), QVariant::fromValue<qint16>(m_channel[static_cast<std::size_t>(k)]), zero16);
    bag.WriteProperty(QStringLiteral("BorderStyle"), QVariant::fromValue<qint16>(m_borderStyle), zero16);
    bag.WriteProperty(QStringLiteral("CurrentColor"), QVariant::fromValue<qint32>(m_currentColor), QVariant::fromValue<qint32>(0));
    bag.WriteProperty(QStringLiteral("cRampStyle"), QVariant::fromValue<qint16>(static_cast<std::int16_t>(m_menu.RampStyle())), zero16);
}

// ---- drawing --------------------------------------------------------------

void vRGBSliders::startRedraw()
{
    // A running timer is left alone: a steady drag still redraws every 25 ms.
    if (!tmrDraw.isActive())
        tmrDraw.start();
}

void vRGBSliders::tmrDraw_Timer()
{
    tmrDraw.stop();
    DrawRamps();
}

QColor vRGBSliders::background() const
{
    return palette().color(QPalette::Window);
}

QColor vRGBSliders::foreground() const
{
    return palette().color(QPalette::WindowText);
}

void vRGBSliders::followSize()
{
    if (m_surface.size() != size())
        UserControl_Resize();
}

void vRGBSliders::drawOnSurface(const std::function<void()>& draw)
{
    followSize();
    // Only the pixels the drawing changed reach the screen: a move that
    // leaves every marker where it was repaints nothing. What was painted
    // last is copied once per paint into a buffer kept for it, not once per
    // drawing: a move draws several times, and a copy sharing the surface's
    // pixels would have the drawing allocate and copy them afresh.
    const QImage& now = m_surface.image();
    if (m_painted.size() != now.size() || m_painted.format() != now.format()) {
        m_painted = QImage(now.size(), now.format());
        m_paintedKept = false;
    }
    if (!m_paintedKept && !now.isNull()) {
        std::memcpy(m_painted.bits(), now.constBits(), static_cast<std::size_t>(now.sizeInBytes()));
        m_paintedKept = true;
    }
    draw();
    update(SurfaceDraw::ChangedRegion(m_painted, m_surface.image()));
}

void vRGBSliders::DrawRamps()
{
    ++m_rampRedraws;
    drawOnSurface([this] {
        m_surface.DrawRamps(qBound(0, boxValue(0), 255), qBound(0, boxValue(1), 255), qBound(0, boxValue(2), 255), m_borderStyle,
                            SurfaceDraw::EdgeColours::FromPalette(palette()));
    });
}

void vRGBSliders::PlaceMarkers()
{
    drawOnSurface([this] { m_surface.PlaceMarkers({boxValue(0), boxValue(1), boxValue(2)}, background(), foreground()); });
}

void vRGBSliders::DrawMarkers()
{
    drawOnSurface([this] { m_surface.DrawMarkers(background(), foreground()); });
}

// ---- layout and display ---------------------------------------------------

void vRGBSliders::UserControl_Resize()
{
    // The surface keeps what was drawn; only new area starts blank.
    m_surface.Resize(size(), background());
    const SliderGeometry& g = m_surface.geometry();
    m_picRGB->move(g.PicRGBPos);
    for (std::size_t k = 0; k < 3; ++k)
        m_txtColor[k]->move(g.TxtColorPos[k]);
    startRedraw();
    DrawMarkers();
}

void vRGBSliders::resizeEvent(QResizeEvent*)
{
    UserControl_Resize();
}

void vRGBSliders::UserControl_Show()
{
    startRedraw();
    if (m_shown) {
        DrawMarkers();
    } else {
        // The size a hidden control was given arrives just before its first
        // show and lays the markers out at zero; the values set meanwhile
        // are in the boxes, so the markers go there.
        m_shown = true;
        PlaceMarkers();
    }
    RampPictures::ClearSwatch(m_picRamp->surface());
    m_picRamp->changed();
}

void vRGBSliders::showEvent(QShowEvent*)
{
    UserControl_Show();
}

void vRGBSliders::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    SurfaceDraw::Show(p, m_surface.image(), event->region());
    m_paintedKept = false; // what changes from here on is measured from this
    // Painted edge to edge (the window need not paint behind it): until the
    // surface follows a resize, the rest is background.
    for (const QRect& r : QRegion(event->rect()) - QRegion(m_surface.image().rect()))
        p.fillRect(r, background());
}

void vRGBSliders::UserControl_MouseMove(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    followSize();
    const SliderGeometry& g = m_surface.geometry();
    X = g.ClampX(X);
    if (Button == 1) {
        const int k = g.HitChannel(Y);
        if (k >= 0) {
            if (WebSafe()) {
                const int p = WebSafeSnap(X - SliderGeometry::RampLeft);
                m_surface.setMarker(k, g.MarkerAt(k, p));
                setBoxText(k, QString::number(WebSafeLevel(RoundHalfEven(p * static_cast<double>(g.SliderScale)))));
            } else {
                m_surface.setMarker(k, g.MarkerAt(k, RoundHalfEven(X - SliderGeometry::MarkerWidth / 2)));
                setBoxText(k, QString::number(g.ValueAt(X)));
            }
        }
        emit Change();
    }
    DrawMarkers();
}

void vRGBSliders::mousePressEvent(QMouseEvent* event)
{
    // The ramp-style menu, where the ramps are: a right click on them.
    if (event->button() == Qt::RightButton && m_surface.geometry().HitChannel(event->position().y()) >= 0) {
        OpenRampMenu(event->globalPosition().toPoint());
        return;
    }
    mouseMoveEvent(event); // the handler takes presses, moves and releases alike
}

void vRGBSliders::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArgs::Args a = MouseArgs::Translate(event);
    UserControl_MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void vRGBSliders::mouseReleaseEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
}
